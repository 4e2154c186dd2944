#include "document/DesignHead.h"
#include "document/Document.h"
#include "platform/CappedFile.h"
#include "platform/PathResolver.h"
#include "platform/RuntimeError.h"
#include "platform/VisibleText.h"
#include "render/PageRenderer.h"
#include "sphere/SphereExport.h"
#include "support/ExampleDocuments.h"
#include "support/FileFixtures.h"

#include <QTemporaryDir>

#include <sys/stat.h>
#include <gtest/gtest.h>

using FileFixtures::readFile;
using FileFixtures::writeFile;

namespace {

QString failureOf(const std::function<void()> &f)
{
    try {
        f();
    } catch (const RuntimeError &e) {
        return e.message();
    }
    return QStringLiteral("no error");
}

QStringList exportLines(const QStringList &lines, const QString &appDir)
{
    QStringList out;
    writeSphereScript(lines, SphereDialect::V55iTo99g, "d", appDir, out);
    return out;
}

} // namespace

// A Turkish shard's letters ("ş", "ı") and others past the 8-bit set make
// the file UTF-8 behind a head of its own; 8-bit designs stay byte for byte.
TEST(HostileInput, TextOutsideTheEightBitSetSavesAsUtf8)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("a.SDF");
    QStringList lines = ExampleDocuments::onePageDialog();
    const struct {
        QString text;
        QByteArray stored; // as the text's line of the file
        bool utf8;
    } rows[] = {
        {QString::fromLatin1("Preis 5\xA4 \xFF"), "\r\nPreis 5\xA4 \xFF\r\n", false},
        {QStringLiteral("Kap\u0131 \u015fifre 5\u20AC \u2713"), "\r\nKap\xc4\xb1 \xc5\x9fifre 5\xe2\x82\xac \xe2\x9c\x93\r\n",
         true},
    };
    for (const auto &row : rows) {
        lines[16] = row.text;
        Document::saveProjectFile(path, lines);
        const QByteArray bytes = readFile(path);
        EXPECT_TRUE(bytes.contains(row.stored)) << bytes.toStdString();
        EXPECT_EQ(bytes.startsWith(DesignHead::Utf8Line.toLatin1() + "\r\n"), row.utf8);
        EXPECT_EQ(Document::loadProjectFile(path), lines);
    }
    // Read back as written: button events' line breaks in a UTF-8 file, a first line that reads as a head.
    const QList<QStringList> designs = {
        {"{BOP", "0", "button", "0", "0", "okay.bmp", "1", "0", "1", "a \u015f\r\nb", "}EOP"},
        {DesignHead::Line, "x"},
        {DesignHead::Utf8Line, "x"},
    };
    for (const QStringList &design : designs)
        EXPECT_EQ(Document::parseProjectText(Document::projectText(design)), design) << design.first().toStdString();
}

TEST(HostileInput, LineBreaksOutsideButtonEventsNeverBecomeScriptLines)
{
    QTemporaryDir dir;
    const QString appDir = dir.path() + "/";
    writeFile(appDir + "DATA/buttons/okay.CS", "F7\r\nF8\r\n");
    const QString path = dir.filePath("a.SDF");

    // Stored 0x1F turns into a line break only in a button's events line.
    QStringList lines = ExampleDocuments::onePageDialog();
    lines[24] = "a\r\nb";
    Document::saveProjectFile(path, lines);
    QByteArray bytes = readFile(path);
    bytes.replace("\r\nHello\r\n", "\r\nhi\x1F[DIALOG injected]\r\n");
    writeFile(path, bytes);
    const QStringList loaded = Document::loadProjectFile(path);
    EXPECT_EQ(loaded[24], "a\r\nb");
    const int textLine = int(loaded.indexOf(QString::fromLatin1("hi\x1F[DIALOG injected]")));
    ASSERT_GT(textLine, 0);

    struct Case { int line; QString value; };
    for (const Case &c : {Case{textLine, loaded[textLine]}, Case{textLine, "x\r\n[DIALOG injected]"},
                          Case{textLine - 3, "40\n"}}) {
        QStringList bad = loaded;
        bad[c.line] = c.value;
        const QString expected = QStringLiteral("Line %1: line %2 holds a line break")
                                     .arg(textLine - 3).arg(c.line + 1);
        EXPECT_EQ(failureOf([&] { exportLines(bad, appDir); }), expected);

        PageRenderer renderer(appDir);
        const RenderResult r = renderer.render(bad, RenderOptions());
        EXPECT_EQ(r.problems, QStringList(QStringLiteral("text at line %1 not drawn: line %2 holds a line break")
                                              .arg(textLine - 3).arg(c.line + 1)));
    }

    QStringList badLocation = lines;
    badLocation[badLocation.lastIndexOf("LOCATION") + 2] = "50\r\n[DIALOG x]";
    EXPECT_TRUE(failureOf([&] { exportLines(badLocation, appDir); }).endsWith("holds a line break"));

    // A button cut short by a page bracket: the line where its events would be
    // is the new page's number, and its 0x1F must stay a bad mark.
    writeFile(path, "{BOP\r\n0\r\nbutton\r\n1\r\n2\r\nokay.bmp\r\n1\r\n0\r\n{BOP\r\n1\x1F[DIALOG x]\r\n}EOP\r\n");
    const QStringList cut = Document::loadProjectFile(path);
    EXPECT_EQ(cut[9], QString::fromLatin1("1\x1F[DIALOG x]"));
    EXPECT_EQ(failureOf([&] { exportLines(cut, appDir); }), "Line 9: line 10 holds a line break");
}

TEST(HostileInput, ArtNamesThatLeaveTheDataFolderAreNoArt)
{
    QTemporaryDir dir;
    const QString appDir = dir.path() + "/";
    PageRenderer renderer(appDir);
    const QStringList names{"../../../../../../../../dev/zero", "/dev/zero", "a/../../../../dev/zero"};
    QStringList lines{"{BOP", "0"};
    for (const QString &name : names)
        lines << "button" << "0" << "0" << name << "1" << "0" << "0" << "";
    lines << "resizepic" << "0" << "0" << "../../../../../../../../dev/zero" << "10" << "10" << "}EOP";
    const RenderResult r = renderer.render(lines, RenderOptions());
    ASSERT_EQ(r.problems.size(), 4);
    EXPECT_EQ(r.problems[0], "button at line 3 not drawn: '../../../../../../../../dev/zero' is not a name "
                             "inside the DATA folder");

    // The decoder of such a button is never read either, nor a device as a design.
    EXPECT_TRUE(failureOf([&] { exportLines(lines, appDir); }).startsWith("Line 3: Cannot open file"));
    EXPECT_EQ(failureOf([] { Document::loadProjectFile("/dev/zero"); }), "Cannot open file /dev/zero");
}

TEST(HostileInput, CappedReaderReadsOnlyRegularFilesUpToItsLimit)
{
    QTemporaryDir dir;
    writeFile(dir.filePath("small"), QByteArray(100, 'a'));
    const QString fifo = dir.filePath("fifo");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    struct Case { QString path; qint64 limit; CappedFile::Outcome outcome; qsizetype size; };
    const Case cases[] = {
        {dir.filePath("small"), 100, CappedFile::Outcome::Read, 100},
        {dir.filePath("small"), 99, CappedFile::Outcome::TooLarge, 0},
        {dir.filePath("none"), 100, CappedFile::Outcome::CannotOpen, 0},
        {dir.path(), 100, CappedFile::Outcome::CannotOpen, 0},
        {"/dev/zero", 100, CappedFile::Outcome::CannotOpen, 0},
        {fifo, 100, CappedFile::Outcome::CannotOpen, 0}, // and does not wait for a writer
    };
    for (const Case &c : cases) {
        const CappedFile::Result r = CappedFile::read(c.path, c.limit);
        EXPECT_EQ(r.outcome, c.outcome) << qPrintable(c.path);
        EXPECT_EQ(r.bytes.size(), c.size) << qPrintable(c.path);
    }
    EXPECT_EQ(failureOf([&] { CappedFile::readOrThrow(dir.filePath("small"), 50); }),
              "File " + dir.filePath("small") + " is larger than 0 MB and is not read");
}

TEST(HostileInput, HugeNamesResolveWithoutLookingThemUp)
{
    QTemporaryDir dir;
    const QString root = dir.path();
    writeFile(root + "/DATA/Sub/x.bmp", "BM");
    QString deep;
    for (int i = 0; i < 500000; ++i) // 1 MB of parts; this once took minutes
        deep += "a/";
    // Longer than any path: not looked up at all, so not found.
    EXPECT_EQ(PathResolver::resolve(root, "data/" + deep + "x"), root + "/data/" + deep + "x");
    // Below a missing folder nothing more is looked up.
    EXPECT_EQ(PathResolver::resolve(root, "data/" + deep.left(4000) + "x"), root + "/DATA/" + deep.left(4000) + "x");
    EXPECT_EQ(PathResolver::resolve(root, "data/sub/" + QString(300, u'y')), root + "/DATA/Sub/" + QString(300, u'y'));

    // A file added after a lookup is found: the folder's listing follows its changes.
    EXPECT_EQ(PathResolver::resolve(root, "data/sub/NEW.BMP"), root + "/DATA/Sub/NEW.BMP");
    writeFile(root + "/DATA/Sub/new.bmp", "BM");
    EXPECT_EQ(PathResolver::resolve(root, "data/sub/NEW.BMP"), root + "/DATA/Sub/new.bmp");
}

TEST(HostileInput, MessagesShowControlCharactersEscaped)
{
    EXPECT_EQ(VisibleText::escaped(RuntimeError::notAnInteger(QString::fromLatin1("1\0002\x1B", 4)).message()),
              "'1\\x002\\x1b' is not a valid integer value");
}

TEST(HostileInput, ImageCacheStaysWithinItsByteBudget)
{
    ImageCache cache;
    cache.setByteBudget(1000);
    const ElementBitmap small(QImage(10, 10, QImage::Format_RGB32), 0); // 400 bytes
    for (const char *key : {"a", "b", "c"})
        cache.add(key, small);
    EXPECT_LE(cache.bytesHeld(), 1000);
    EXPECT_FALSE(cache.lookup("a"));
    EXPECT_TRUE(cache.lookup("c"));
    EXPECT_EQ(cache.indexLines(), QStringList({"b", "0", "10", "10", "c", "10", "10", "10"}));
    cache.add("huge", ElementBitmap(QImage(20, 20, QImage::Format_RGB32), 0));
    EXPECT_FALSE(cache.lookup("huge"));
    EXPECT_TRUE(cache.lookup("c"));

    // Backgrounds off the canvas are never composed, however large.
    QTemporaryDir dir;
    PageRenderer renderer(dir.path() + "/");
    QStringList lines{"{BOP", "0"};
    for (int i = 0; i < 20; ++i)
        lines << "resizepic" << "100000" << "0" << "9200.bmp" << QString::number(4000 + i) << "4000";
    lines << "}EOP";
    const RenderResult r = renderer.render(lines, RenderOptions());
    EXPECT_EQ(r.selectEntries.size(), 20);
    EXPECT_EQ(renderer.imageCache().entryCount(), 0);
}
