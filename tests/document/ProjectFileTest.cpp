#include "document/Document.h"
#include "platform/RuntimeError.h"
#include "support/ExampleDocuments.h"
#include "support/FileFixtures.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>

using FileFixtures::readFile;
using FileFixtures::writeFile;

namespace {

class ProjectFileTest : public ::testing::Test
{
protected:
    QTemporaryDir dir;
    QString path(const QString &name = "design.SDF") const { return dir.filePath(name); }

    // Loads bytes written as a file, then saves the lines back.
    QByteArray resaved(const QByteArray &bytes)
    {
        writeFile(path("in.SDF"), bytes);
        Document::saveProjectFile(path("out.SDF"), Document::loadProjectFile(path("in.SDF")));
        return readFile(path("out.SDF"));
    }
};

} // namespace

TEST_F(ProjectFileTest, NewDocumentSavesAsThreeLinesWithCrLf)
{
    Document::saveProjectFile(path(), Document::newDocumentLines("0"));
    EXPECT_EQ(readFile(path()), "{BOP\r\n0\r\n}EOP\r\n");
}

TEST_F(ProjectFileTest, ExampleRoundTripsLineForLine)
{
    const QStringList lines = ExampleDocuments::onePageDialog();
    Document::saveProjectFile(path(), lines);
    const QByteArray bytes = readFile(path());
    EXPECT_TRUE(bytes.startsWith("{BOP\r\n0\r\nresizepic\r\n0\r\n0\r\n9200.bmp\r\n"));
    EXPECT_TRUE(bytes.endsWith("MISC\r\n0\r\n1\r\n"));
    EXPECT_EQ(bytes.count("\r\n"), lines.size());
    EXPECT_EQ(Document::loadProjectFile(path()), lines);
}

TEST_F(ProjectFileTest, MultiLineEventsStayOneLine)
{
    QStringList lines = ExampleDocuments::onePageDialog();
    lines[24] = "src.sysmessage one\r\nsrc.sysmessage two\r\n\r\ndialogclose";
    Document::saveProjectFile(path(), lines);
    const QByteArray bytes = readFile(path());
    EXPECT_EQ(bytes.count("\r\n"), lines.size());
    EXPECT_TRUE(bytes.contains("src.sysmessage one\x1Fsrc.sysmessage two\x1F\x1F" "dialogclose\r\n}EOP\r\n"));
    EXPECT_EQ(Document::loadProjectFile(path()), lines);

    // Bare LF or CR breaks come back as CR LF, still in one line.
    lines[24] = "a\nb\rc";
    Document::saveProjectFile(path(), lines);
    const QStringList back = Document::loadProjectFile(path());
    ASSERT_EQ(back.size(), lines.size());
    EXPECT_EQ(back[24], "a\r\nb\r\nc");
    EXPECT_EQ(back[25], "}EOP");
}

TEST_F(ProjectFileTest, ForeignLineEndsLoadAsTheSameLines)
{
    const QStringList expected{"{BOP", "0", "", "}EOP"};
    for (const QByteArray &bytes : {QByteArray("{BOP\n0\n\n}EOP\n"), QByteArray("{BOP\r0\r\r}EOP\r"),
                                    QByteArray("{BOP\r\n0\n\r}EOP"), QByteArray("{BOP\r\n0\r\n\r\n}EOP\r\n")}) {
        writeFile(path(), bytes);
        EXPECT_EQ(Document::loadProjectFile(path()), expected) << bytes.toStdString();
    }
    EXPECT_EQ(resaved("{BOP\n0\r}EOP"), "{BOP\r\n0\r\n}EOP\r\n");
    EXPECT_EQ(resaved(""), "");
    EXPECT_TRUE(Document::loadProjectFile(path("in.SDF")).isEmpty());
}

TEST_F(ProjectFileTest, BadInputLoadsAsItIsAndSavesBackIdentical)
{
    QByteArray high;
    for (int b = 0x20; b <= 0xFF; ++b)
        high += char(b);
    const QList<QByteArray> files{
        "{BOP\r\n0\r\ntext\r\n" + high + "\r\n}EOP\r\n",             // 8-bit text
        "gumppic\r\n1\r\n2\r\n1F4.bmp\r\nLOCATION\r\n0\r\n0\r\n",      // no brackets
        "{BOP\r\n0\r\nbutton\r\n100\r\n",                              // truncated record
        "{BOP\r\n0\r\n}EOP\r\n{BOP\r\n",                               // truncated bracket
        QByteArray("\t\x01\x7F\r\n\x80\xFF\r\n"),                      // control and high bytes
    };
    for (const QByteArray &bytes : files)
        EXPECT_EQ(resaved(bytes), bytes);
}

TEST_F(ProjectFileTest, HugeFileRoundTrips)
{
    QByteArray bytes = "{BOP\r\n0\r\n";
    const QByteArray record = "text\r\n10\r\n20\r\n1152\r\nline\r\n";
    constexpr int records = 200000; // a million lines
    bytes.reserve(bytes.size() + records * record.size() + 6);
    for (int i = 0; i < records; ++i)
        bytes += record;
    bytes += "}EOP\r\n";
    writeFile(path(), bytes);
    const Document doc(Document::loadProjectFile(path()));
    EXPECT_EQ(doc.size(), 2 + records * 5 + 1);
    EXPECT_EQ(doc.pageEnds("0"), QList<int>{doc.size() - 1});
    EXPECT_EQ(resaved(bytes), bytes);
}

TEST_F(ProjectFileTest, FailuresCarryTheRuntimeMessages)
{
    try {
        Document::loadProjectFile(path("missing.SDF"));
        FAIL();
    } catch (const RuntimeError &e) {
        EXPECT_EQ(e.message(), "Cannot open file " + path("missing.SDF"));
    }
    writeFile(path("file"), "x");
    const QString below = path("file") + "/design.SDF";
    try {
        Document::saveProjectFile(below, {"{BOP"});
        FAIL();
    } catch (const RuntimeError &e) {
        EXPECT_EQ(e.message(), "Cannot create file " + below);
    }
}

TEST_F(ProjectFileTest, FailedSaveLeavesThePreviousFileIntact)
{
    const QByteArray previous = "{BOP\r\n0\r\n}EOP\r\n";
    writeFile(path(), previous);

    // A file size limit makes the write fail part way, even for root.
    QStringList big = Document::newDocumentLines("0");
    for (int i = 0; i < 20000; ++i)
        big << "text" << "1" << "2" << "0" << "a text long enough to pass the limit";
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit oldLimit{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &oldLimit), 0);
    rlimit small = oldLimit;
    small.rlim_cur = 4096;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    bool threw = false;
    QString message;
    try {
        Document::saveProjectFile(path(), big);
    } catch (const RuntimeError &e) {
        threw = true;
        message = e.message();
    }
    setrlimit(RLIMIT_FSIZE, &oldLimit);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_TRUE(threw);
    EXPECT_EQ(message, "Unable to write to " + path());
    EXPECT_EQ(readFile(path()), previous);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"design.SDF"}); // no leftovers
}
