#include "document/Document.h"
#include "sphere/ButtonArtMatcher.h"
#include "sphere/SphereExport.h"
#include "sphere/SphereImport.h"
#include "support/CorpusIndex.h"
#include "support/FileFixtures.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// Export with the dialog's own name, location and flags as imported.
QStringList exported(const QStringList &lines, const QString &name, const QString &appDir)
{
    QStringList script;
    writeSphereScript(lines, SphereDialect::V55iTo99g, name, appDir, script);
    return script;
}

// Whether the import named nothing but the words it takes in no element
// (group, tooltip, itemproperty and the like): no script line, no expression.
bool heldWhole(const ImportResult &r)
{
    for (const QString &e : r.errors)
        if (e.contains(u"script line") || e.contains(u"expression") || !e.startsWith(u"Line "))
            return false;
    return true;
}

} // namespace

// Every real dialog imports; the simple ones survive export and import
// unchanged, and export after import is a fixed point.
TEST(SphereCorpus, EveryDialogImportsAndSimpleOnesComeBack)
{
    const QString corpus = QStringLiteral(QM_SPHERE_CORPUS_DIR);
    const QList<CorpusEntry> entries = corpusEntries(corpus);
    if (entries.isEmpty())
        GTEST_SKIP() << "no corpus at " << corpus.toStdString();

    QTemporaryDir library;
    const QString appDir = library.path() + u'/';
    FileFixtures::writeFile(appDir + "DATA/buttons/Blue dot.bmp", "BM");
    FileFixtures::writeFile(appDir + "DATA/buttons/Blue dot.cs", "FA5\r\nFA7\r\n");

    int imported = 0, simple = 0, held = 0;
    for (const CorpusEntry &e : entries) {
        const ImportResult first = SphereImport::importFile(corpus + u'/' + e.file, e.dialog, appDir);
        EXPECT_TRUE(first.imported) << e.file.toStdString() << ": " << first.errors.join("; ").toStdString();
        if (!first.imported)
            continue;
        ++imported;
        // Saved and loaded, the design is the same, whatever letters and logic it holds.
        EXPECT_EQ(Document::parseProjectText(Document::projectText(first.lines)), first.lines) << e.file.toStdString();
        const bool whole = heldWhole(first);
        held += whole;
        if (!e.simple && !whole)
            continue;
        ++simple;
        const QStringList script = exported(first.lines, e.dialog, appDir);
        ButtonArtMatcher buttons(appDir);
        const ImportResult again = SphereImport::importLines(script, e.dialog, buttons);
        ASSERT_TRUE(again.imported) << e.file.toStdString();
        // Unmatched buttons got the library's fallback art, which matches the second time.
        QStringList expected = first.lines;
        expected.replaceInStrings(QStringLiteral("Blue dot.bmp"), QStringLiteral("Blue dot.BMP"));
        EXPECT_EQ(again.lines.join(u'\n').toStdString(), expected.join(u'\n').toStdString()) << e.file.toStdString();
        EXPECT_EQ(exported(again.lines, e.dialog, appDir).join(u'\n').toStdString(), script.join(u'\n').toStdString())
            << e.file.toStdString();
    }
    EXPECT_EQ(imported, entries.size());
    EXPECT_GT(simple, 30);
    std::printf("corpus: %d of %d dialogs imported, %d held whole, %d round-tripped\n", imported,
                int(entries.size()), held, simple);
}

// Handlers may tell buttons apart by their reply: "ON=1 8" blocks read <ARGN>.
// The replies a script gave stay theirs through import and export.
TEST(SphereCorpus, RepliesComeBackAsTheScriptGaveThem)
{
    const QString corpus = QStringLiteral(QM_SPHERE_CORPUS_DIR);
    if (!QFile::exists(corpus + "/d_TravelTown.scp"))
        GTEST_SKIP() << "no corpus at " << corpus.toStdString();
    QTemporaryDir library;
    const QString appDir = library.path() + u'/';
    FileFixtures::writeFile(appDir + "DATA/buttons/travel.bmp", "BM");
    FileFixtures::writeFile(appDir + "DATA/buttons/travel.cs", "4B9\r\n4BA\r\n");
    const ImportResult imported = SphereImport::importFile(corpus + "/d_TravelTown.scp", "d_TravelTown", appDir);
    ASSERT_TRUE(imported.imported);
    const QStringList buttons = exported(imported.lines, "d_TravelTown", appDir).filter(QStringLiteral("button "));
    QStringList replies;
    for (const QString &b : buttons)
        replies << b.split(u' ').last();
    EXPECT_EQ(replies, QStringList({"1", "2", "3", "4", "5", "7", "6"}));
}
