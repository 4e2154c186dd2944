#include "platform/RuntimeError.h"
#include "sphere/ButtonArtMatcher.h"
#include "sphere/SphereImport.h"
#include "support/FileFixtures.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// A library with two buttons: okay (up F7) and cancel (up F1).
class SphereImportTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        appDir = dir.path() + u'/';
        FileFixtures::writeFile(appDir + "DATA/buttons/okay.bmp", "BM");
        FileFixtures::writeFile(appDir + "DATA/buttons/okay.cs", "F7\r\nF8\r\n");
        FileFixtures::writeFile(appDir + "DATA/buttons/cancel.bmp", "BM");
        FileFixtures::writeFile(appDir + "DATA/buttons/Cancel.CS", "F1\r\nF2\r\n");
    }

    ImportResult run(const QStringList &script, const QString &name = QStringLiteral("d_test"))
    {
        ButtonArtMatcher buttons(appDir);
        return SphereImport::importLines(script, name, buttons);
    }

    QTemporaryDir dir;
    QString appDir;
};

const QStringList MiscClear = {"MISC", "0", "0"};

} // namespace

TEST_F(SphereImportTest, ReadsEachKindOfLine)
{
    const struct { const char *name; QStringList script; QStringList lines; QStringList errors; } cases[] = {
        {"the export's own form",
         {"[DIALOG d_test]", "50, 50", "nomove", "PAGE 0", "resizepic 0 0 9200 300 200", "gumppic 20 30 500",
          "text 40 50 1152 0", "button 100 150 247 248 1 0 1", "", "[DIALOG d_test TEXT]", "Hello", "", "",
          "[DIALOG d_test BUTTON]", "on=1", "src.sysmessage hi", ""},
         {"{BOP", "0", "resizepic", "0", "0", "9200.bmp", "300", "200", "gumppic", "20", "30", "1F4.bmp", "text",
          "40", "50", "1152", "Hello", "button", "100", "150", "okay.BMP", "1", "0", "1 1", "src.sysmessage hi", "}EOP",
          "LOCATION", "50", "50", "MISC", "0", "1"},
         {}},
        {"upper-case header and words, comments, hexadecimal numbers, dtext",
         {"[DIALOG D_TEST] // menu", "10,20", "NoClose", "Page 1", "GUMPPIC 010 0x10 0  // corner",
          "dtext 5 6 0480 .Hello  there"},
         QStringList{"{BOP", "0", "}EOP", "{BOP", "1", "gumppic", "16", "16", "0.bmp", "text", "5", "6", "1152",
                     "Hello  there", "}EOP", "LOCATION", "10", "20", "MISC", "1", "0"},
         {}},
        {"elements before the first page, pages back and forth; the server drops a page below 1",
         {"[dialog d_test]", "0,0", "gumppic 1 1 1", "page 2", "gumppic 2 2 2", "page -1", "gumppic 3 3 3",
          "page 2", "gumppic 4 4 4"},
         QStringList{"{BOP", "0", "gumppic", "1", "1", "1.bmp", "}EOP", "{BOP", "2", "gumppic", "2", "2", "2.bmp",
                     "gumppic", "3", "3", "3.bmp", "gumppic", "4", "4", "4.bmp", "}EOP", "LOCATION", "0", "0"}
             + MiscClear,
         {}},
        {"script lines and what the design cannot hold stay as written, where they stand",
         {"[DIALOG d_test]", "0,0", "IF (<SRC.ISGM>)", "tooltip 1011036", "gumppic <eval 5> 0 1",
          "gumppic 1 2 abc", "gumppic 1 2 3 44 9", "resizepic 1 2", "  endif // done"},
         // The server reads values left out as 0.
         QStringList{"{BOP", "0", "script", "IF (<SRC.ISGM>)", "script", "tooltip 1011036", "gumppic", "<eval 5>", "0",
                     "1.bmp", "script", "gumppic 1 2 abc", "script", "gumppic 1 2 3 44 9", "resizepic", "1", "2",
                     "0.bmp", "0", "0", "script", "  endif // done", "}EOP", "LOCATION", "0", "0"} + MiscClear,
         {}},
        {"the newer kinds, indexed and inline, and the close block",
         {"[DIALOG d_test]", "0,0", "htmlgump 1 2 3 4 1 1 0", "dhtmlgump 1 2 3 4 0 1 Hi <B>there</B>",
          "croppedtext 5 6 7 8 33 0", "dcroppedtext 5 6 7 8 33 cut", "textentry 1 2 3 4 0 9 2",
          "textentrylimited 1 2 3 4 0 9 2 20", "dtextentry 1 2 3 4 5 6 Name", "dtextentrylimited 1 2 3 4 5 6 7 N",
          "checkbox 1 2 247 248 1 3", "group 2", "radio 1 2 247 248 0 4", "gumppictiled 0 0 64 32 500",
          "tilepic 1 2 3821 5", "tilepichue 1 2 3821 1152", "checkertrans 1 2 3 4",
          "xmfhtmlgump 1 2 3 4 1011036 0 1", "xmfhtmlgumpcolor 1 2 3 4 1011036 1 0 32767",
          "[DIALOG d_test TEXT]", "zero", "one", "two", "[DIALOG d_test BUTTON]", "ON=0", "dialogclose", "on=1", "x"},
         QStringList{"{BOP", "0",
                     "htmlgump", "1", "2", "3", "4", "1", "0", "one",
                     "htmlgump", "1", "2", "3", "4", "0", "1", "Hi <B>there</B>",
                     "croppedtext", "5", "6", "7", "8", "33", "zero",
                     "croppedtext", "5", "6", "7", "8", "33", "cut",
                     "textentry", "1", "2", "3", "4", "0", "9", "0", "two",
                     "textentry", "1", "2", "3", "4", "0", "9", "20", "two",
                     "textentry", "1", "2", "3", "4", "5", "6", "0", "Name",
                     "textentry", "1", "2", "3", "4", "5", "6", "7", "N",
                     "checkbox", "1", "2", "okay.BMP", "1", "3",
                     "radio", "1", "2", "okay.BMP", "0", "4", "2",
                     "gumppictiled", "0", "0", "64", "32", "1F4.bmp",
                     "tilepic", "1", "2", "3821", "0",
                     "tilepic", "1", "2", "3821", "1152",
                     "checkertrans", "1", "2", "3", "4",
                     "xmfhtmlgump", "1", "2", "3", "4", "1011036", "0", "1", "0",
                     "xmfhtmlgump", "1", "2", "3", "4", "1011036", "1", "0", "32767",
                     "}EOP", "LOCATION", "0", "0"} + MiscClear
             + QStringList{"CLOSEBLOCK", "dialogclose", "BUTTONBLOCK", "on=1", "x"},
         {}},
        {"relative positions stay as written after the origin's line",
         {"[DIALOG d_test]", "0,0", "dorigin 100 50", "gumppic - - 1", "gumppic +10 -5 1", "gumppic *20 *0 1",
          "gumppic - 7 1"},
         QStringList{"{BOP", "0", "script", "dorigin 100 50", "gumppic", "-", "-", "1.bmp", "gumppic", "+10", "-5",
                     "1.bmp", "gumppic", "*20", "*0", "1.bmp", "gumppic", "-", "7", "1.bmp", "}EOP", "LOCATION", "0",
                     "0"} + MiscClear,
         {}},
    };
    for (const auto &c : cases) {
        const ImportResult r = run(c.script);
        EXPECT_TRUE(r.imported) << c.name;
        EXPECT_EQ(r.lines, c.lines) << c.name;
        EXPECT_EQ(r.errors, c.errors) << c.name;
    }
}

TEST_F(SphereImportTest, TextsAreCountedOverLinesThatHoldText)
{
    const ImportResult r = run({"[DIALOG d_test TEXT]", "", "// heading", "zero", "one // trailing", "",
                                "[DIALOG d_test]", "0,0", "text 0 0 0 1", "text 0 0 0 0", "text 0 0 0 2",
                                "text 0 0 0 x"});
    ASSERT_TRUE(r.imported);
    // The client shows nothing for a text that is not there.
    // An index that is no number stays the script's line.
    EXPECT_EQ(r.lines.mid(2, 17), QStringList({"text", "0", "0", "0", "one", "text", "0", "0", "0", "zero", "text",
                                                 "0", "0", "0", "", "script", "text 0 0 0 x"}));
    EXPECT_EQ(r.errors, QStringList({"NO SUCH TEXT (2)"}));
}

// An index past the TEXT section reads the strings the inline controls add
// after it, in the order the server runs them; where that order is not
// certain, the control stays the script's line.
TEST_F(SphereImportTest, IndicesPastTheTextSectionReadInlineStrings)
{
    const struct {
        const char *name;
        QStringList layout;
        QStringList texts;
        QString shown; // of "text 9 9 0 …"; empty when it stays a script line
    } cases[] = {
        {"no TEXT section", {"dtext 1 1 0 a", "dtext 1 1 0 .b", "text 9 9 0 1"}, {}, "b"},
        {"after the section's lines", {"text 9 9 0 3", "dcroppedtext 1 1 5 5 0 c", "dhtmlgump 1 1 5 5 0 0 d"},
         {"zero", "one"}, "d"},
        {"past a condition adding one in each branch",
         {"IF <x>", "dtext 1 1 0 a", "ELSE", "dtext 1 1 0 b", "ENDIF", "dtext 1 1 0 c", "text 9 9 0 1"}, {}, "c"},
        {"inside such a condition", {"IF <x>", "dtext 1 1 0 a", "ELSE", "dtext 1 1 0 b", "ENDIF", "text 9 9 0 0"},
         {}, ""},
        {"past a condition without ELSE", {"IF <x>", "dtext 1 1 0 a", "ENDIF", "dtext 1 1 0 c", "text 9 9 0 1"}, {}, ""},
        {"past a loop", {"FOR 3", "dtext 1 1 0 a", "ENDFOR", "dtext 1 1 0 c", "text 9 9 0 1"}, {}, ""},
        {"past a function of the shard", {"f_rows", "dtext 1 1 0 c", "text 9 9 0 0"}, {}, ""},
        {"past verbs and assignments", {"src.sysmessage hi", "local.x=1", "dtext 1 1 0 c", "text 9 9 0 0"}, {}, "c"},
    };
    for (const auto &c : cases) {
        QStringList script = QStringList{"[DIALOG d_test]", "0,0"} + c.layout;
        if (!c.texts.isEmpty())
            script << "[DIALOG d_test TEXT]" << c.texts;
        const ImportResult r = run(script);
        const qsizetype at = r.lines.indexOf("text 9 9 0 " + c.layout.filter("text 9 9").first().section(u' ', 4));
        if (c.shown.isEmpty()) {
            EXPECT_EQ(r.lines.value(at - 1), "script") << c.name;
            continue;
        }
        qsizetype k = 0;
        while (k + 4 < r.lines.size() && !(r.lines[k] == "text" && r.lines[k + 1] == "9"))
            ++k;
        EXPECT_EQ(r.lines.value(k + 4), c.shown) << c.name;
    }
}

TEST_F(SphereImportTest, ButtonBlocksMatchInAnySpellingAndRanges)
{
    const ImportResult r = run({"[DIALOG d_test]", "0,0", "button 0 0 0F7 248 1 0 1", "button 0 0 241 242 0 2 2",
                                "button 0 0 999 0 1 0 7", "button 0 0 247 248 1 0 9", "button 0 0 247 248 1 0 40",
                                "[DIALOG d_test BUTTON]", "ON = 1 // ok", "  one", "ONBUTTON=2", "two",
                                "On 3,8", "three to eight", "on=9 50", "nine", "last"});
    ASSERT_TRUE(r.imported);
    const auto button = [&](int k) { return r.lines.mid(2 + 8 * k, 8); };
    // Each keeps the reply it had: handlers may tell buttons apart by it.
    EXPECT_EQ(button(0), QStringList({"button", "0", "0", "okay.BMP", "1", "0", "1 1", "  one"}));
    EXPECT_EQ(button(1), QStringList({"button", "0", "0", "cancel.BMP", "0", "2", "1 2", "two"}));
    // A pair the library lacks stays the script's; a range stays one block, answering its buttons' replies.
    EXPECT_EQ(button(2), QStringList({"button", "0", "0", "gump 999 0.bmp", "1", "0", "0 7", ""}));
    EXPECT_EQ(button(3), QStringList({"button", "0", "0", "okay.BMP", "1", "0", "0 9", ""}));
    EXPECT_EQ(button(4), QStringList({"button", "0", "0", "okay.BMP", "1", "0", "0 40", ""}));
    EXPECT_EQ(r.lines.mid(r.lines.size() - 6), QStringList({"BUTTONBLOCK", "On 3,8", "three to eight", "BUTTONBLOCK",
                                                              "on=9 50", "nine\r\nlast"}));
}

TEST_F(SphereImportTest, ButtonWithoutBlockKeepsItsReplyButNoEvents)
{
    const ImportResult r = run({"[DIALOG d_test]", "0,0", "button 0 0 247 248 1 0 5", "button 0 0 247 248 1 0 0",
                                "[DIALOG d_test BUTTON]", "on=1", "x"});
    EXPECT_EQ(r.lines.mid(2, 16), QStringList({"button", "0", "0", "okay.BMP", "1", "0", "0 5", "",
                                                "button", "0", "0", "okay.BMP", "1", "0", "0", ""}));
}

TEST_F(SphereImportTest, DialogEndsAtAnySectionOrTheEnd)
{
    const QStringList tails[] = {{"[FUNCTION f]", "gumppic 9 9 9"}, {"[EOF]", "gumppic 9 9 9"}, {}};
    for (const QStringList &tail : tails) {
        const ImportResult r = run(QStringList{"[DIALOG d_test]", "0,0", "gumppic 1 1 1"} + tail);
        ASSERT_TRUE(r.imported);
        EXPECT_EQ(r.lines.mid(0, 7), QStringList({"{BOP", "0", "gumppic", "1", "1", "1.bmp", "}EOP"}));
    }
}

TEST_F(SphereImportTest, FailuresAndMissingSections)
{
    EXPECT_EQ(run({"[DIALOG other]", "0,0"}).errors,
              QStringList({SphereImport::NoDialog, QStringLiteral("The file defines: other")}));
    EXPECT_EQ(run({}).errors, QStringList({SphereImport::NoDialog, QStringLiteral("The file defines no dialog")}));
    EXPECT_EQ(run({"[DIALOG d_test]"}, QString()).errors,
              QStringList({SphereImport::NoDialog, QStringLiteral("The file defines: d_test")}));
    EXPECT_FALSE(run({"[DIALOG d_test text]", "x"}).imported);

    const ImportResult noText = run({"[DIALOG d_test]", "0,0", "text 1 1 0 0", "text 1 1 0 1"});
    EXPECT_TRUE(noText.imported);
    EXPECT_EQ(noText.errors, QStringList{SphereImport::NoTextSection});
    const ImportResult noButtons = run({"[DIALOG d_test]", "0,0", "button 1 1 247 248 1 0 1"});
    EXPECT_TRUE(noButtons.imported);
    EXPECT_EQ(noButtons.errors, QStringList{SphereImport::NoButtonSection});

    const ImportResult missing = SphereImport::importFile(appDir + "none.scp", "d_test", appDir);
    EXPECT_FALSE(missing.imported);
    EXPECT_EQ(missing.errors, QStringList{SphereImport::noSuchFile(appDir + "none.scp")});
}

TEST_F(SphereImportTest, BrokenDecoderStopsTheImport)
{
    FileFixtures::writeFile(appDir + "DATA/buttons/apply.bmp", "BM");
    EXPECT_THROW(run({"[DIALOG d_test]", "0,0", "button 1 1 1 2 1 0 1"}), RuntimeError);
    // Nothing asks the library when the dialog has no button.
    EXPECT_TRUE(run({"[DIALOG d_test]", "0,0", "gumppic 1 1 1"}).imported);
}

// Texts are UTF-8 to the server; a line that is not UTF-8 is read as 8-bit text.
TEST_F(SphereImportTest, ReadsTextsAsTheServerDoes)
{
    FileFixtures::writeFile(appDir + "d.scp", "[DIALOG d_test]\r\n0,0\r\ntext 0 0 0 0\r\ntext 0 0 0 1\r\n"
                                              "text 0 0 0 2\r\n[DIALOG d_test TEXT]\r\nCaf\xc3\xa9\r\n"
                                              "Caf\xe9\r\n\xc4\x9f\xc3\xbcn\r\n");
    const ImportResult r = SphereImport::importFile(appDir + "d.scp", "d_test", appDir);
    ASSERT_TRUE(r.imported);
    EXPECT_EQ(r.lines.mid(6, 1), QStringList{QStringLiteral("Caf\u00e9")});
    EXPECT_EQ(r.lines.mid(11, 1), QStringList{QStringLiteral("Caf\u00e9")});
    // Kept in the design as read: a design file holds it as UTF-8.
    EXPECT_EQ(r.lines.mid(16, 1), QStringList{QStringLiteral("\u011f\u00fcn")});
    EXPECT_TRUE(r.errors.isEmpty());
}

TEST_F(SphereImportTest, InlineTextsLoseWhatTheServerDrops)
{
    const ImportResult r = run({"[DIALOG d_test]", "0,0", "dtext 1 2 0 .  lead", "dcroppedtext 1 2 3 4 5 ..x"});
    ASSERT_TRUE(r.imported);
    EXPECT_EQ(r.lines.mid(6, 1), QStringList{"  lead"});
    EXPECT_EQ(r.lines.mid(13, 1), QStringList{".x"});
}

// Each left-out line keeps its number and text, so the designer can list it after the window closed.
TEST_F(SphereImportTest, LeftOutLinesKeepTheirNumberAndText)
{
    const ImportResult r = run({"[dialog D_TEST]", "0,0", "  button 1 1 4005 4007 1 0 1", "gumppic 1 1 1",
                                "text 0 0 0 7", "[DIALOG other]", "[DIALOG d_test TEXT]", "zero"});
    ASSERT_TRUE(r.imported);
    const QString pair = "no art of the library has the gumps 4005 and 4007; the design keeps the two numbers (add "
                         "the pair to the art library to see it drawn)";
    EXPECT_EQ(r.notes, QList<ImportNote>({{3, "button 1 1 4005 4007 1 0 1", pair}, {0, "", "NO SUCH TEXT (7)"},
                                          {0, "", SphereImport::NoButtonSection}}));
    EXPECT_EQ(r.errors.first(), "Line 3: " + pair);
    EXPECT_EQ(SphereImport::dialogNames({"[dialog D_TEST]", "[DIALOG d_test TEXT]", "[Dialog other]", "[DIALOG d_test]"}),
              QStringList({"D_TEST", "other"}));
}

TEST(SphereImport, AnImportNoteNamesTheScriptLineAndItsText)
{
    const QList<Problem> found = importProblems(
        {{12, "dhtmlgump 0 0 10 10 0 0 Hi", "\"dhtmlgump\" cannot be held by the design; left out"},
         {0, {}, "NO SUCH TEXT (3)"}});
    ASSERT_EQ(found.size(), 2);
    EXPECT_EQ(found[0].message, "Script line 12 \"dhtmlgump 0 0 10 10 0 0 Hi\": \"dhtmlgump\" cannot be held by the "
                                "design; left out");
    EXPECT_EQ(found[1].message, "Script: NO SUCH TEXT (3)");
    EXPECT_EQ(found[0].source, ProblemList::ImportSource);
}
