#include "platform/RuntimeError.h"
#include "sphere/SphereExport.h"
#include "support/ExampleDocuments.h"
#include "support/FileFixtures.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using FileFixtures::writeFile;

namespace {

// Answers the preparation steps as a user would, and notes what was asked.
class ScriptedHost : public ExportHost
{
public:
    explicit ScriptedHost(Document &doc) : m_doc(doc) {}

    void runLocationCommand() override
    {
        asked << "location";
        m_doc.setLocation(locationX, locationY);
    }
    void runMiscCommand() override
    {
        asked << "misc";
        m_doc.setWindowFlags(noClose, noMove);
    }
    std::optional<QString> askDialogName() override
    {
        asked << "name";
        return name;
    }

    QString locationX = "0", locationY = "0";
    bool noClose = false, noMove = false;
    std::optional<QString> name = QStringLiteral("testgump");
    QStringList asked;

private:
    Document &m_doc;
};

class SphereExportTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        appDir = dataDir.path() + "/";
        // Folder and extension spelt otherwise than the export asks for them.
        writeFile(appDir + "DATA/Buttons/okay.cs", "F7\r\nF8\r\n");
        writeFile(appDir + "DATA/Buttons/ARROW.Cs", "fa\nfb");
    }

    QStringList exportOf(Document &doc, const QString &dialect, ScriptedHost &host)
    {
        QStringList memo{"previous export"};
        EXPECT_TRUE(runSphereExport(doc, dialect, appDir, host, memo));
        return memo;
    }
    QStringList exportOf(const QStringList &lines, const QString &dialect)
    {
        Document doc(lines);
        ScriptedHost host(doc);
        return exportOf(doc, dialect, host);
    }

    // Runs an export that must fail; gives the message and leaves the lines written in memo.
    QString failureOf(const QStringList &lines, QStringList &memo)
    {
        Document doc(lines);
        ScriptedHost host(doc);
        try {
            runSphereExport(doc, SphereDialect::V55iTo99g, appDir, host, memo);
        } catch (const RuntimeError &e) {
            return e.message();
        }
        ADD_FAILURE() << "export did not fail";
        return QString();
    }

    QTemporaryDir dataDir;
    QString appDir;
};

const QString &Events = ExampleDocuments::OkayEvents;

} // namespace

TEST_F(SphereExportTest, CompleteExampleInBothDialects)
{
    EXPECT_EQ(exportOf(ExampleDocuments::onePageDialog(), SphereDialect::V55iTo99g),
              QStringList({"[DIALOG testgump]", "50, 50", "nomove", "PAGE 0", "resizepic 0 0 9200 300 200",
                           "gumppic 20 30 500", "text 40 50 1152 0", "button 100 150 247 248 1 0 1", "",
                           "[DIALOG testgump TEXT]", "Hello", "", "", "[DIALOG testgump BUTTON]", "on=1", Events,
                           ""}));
    EXPECT_EQ(exportOf(ExampleDocuments::onePageDialog(), SphereDialect::V48eTo51a),
              QStringList({"[GUMP testgump]", "50, 50", "PAGE 0", "resizepic 0 0 9200 300 200",
                           "gumppic 20 30 500", "text 40 50 1152 0", "button 100 150 247 248 1 0 1", "",
                           "[GUMP testgump TEXT]", "Hello", "", "", "[GUMP testgump BUTTON]", "ONBUTTON=1", Events,
                           ""}));
}

TEST_F(SphereExportTest, EmptyDocumentAsksForLocationAndFlagsFirst)
{
    Document doc(Document::newDocumentLines("0"));
    ScriptedHost host(doc);
    host.locationX = "120";
    host.locationY = "80";
    host.noClose = host.noMove = true;
    EXPECT_EQ(exportOf(doc, SphereDialect::V55iTo99g, host),
              QStringList({"[DIALOG testgump]", "120, 80", "noclose", "nomove", "PAGE 0", "",
                           "[DIALOG testgump TEXT]", "", "", "[DIALOG testgump BUTTON]", ""}));
    EXPECT_EQ(host.asked, QStringList({"location", "misc", "name"}));
    EXPECT_EQ(doc.lines(), QStringList({"{BOP", "0", "}EOP", "LOCATION", "120", "80", "MISC", "1", "1"}));

    // A second export finds both records and asks only for the name.
    host.asked.clear();
    exportOf(doc, SphereDialect::V55iTo99g, host);
    EXPECT_EQ(host.asked, QStringList({"name"}));
}

TEST_F(SphereExportTest, OldDialectNeitherAsksForNorWritesWindowFlags)
{
    Document doc(Document::newDocumentLines("0"));
    ScriptedHost host(doc);
    EXPECT_EQ(exportOf(doc, SphereDialect::V48eTo51a, host),
              QStringList({"[GUMP testgump]", "0, 0", "PAGE 0", "", "[GUMP testgump TEXT]", "", "",
                           "[GUMP testgump BUTTON]", ""}));
    EXPECT_EQ(host.asked, QStringList({"location", "name"}));

    doc.setWindowFlags(true, true);
    EXPECT_EQ(exportOf(doc, SphereDialect::V48eTo51a, host).mid(0, 3),
              QStringList({"[GUMP testgump]", "0, 0", "PAGE 0"}));
}

TEST_F(SphereExportTest, CancelledNameKeepsMemoButNotTheNewRecords)
{
    Document doc(Document::newDocumentLines("0"));
    ScriptedHost host(doc);
    host.name = std::nullopt;
    QStringList memo{"previous export", "kept"};
    EXPECT_FALSE(runSphereExport(doc, SphereDialect::V55iTo99g, appDir, host, memo));
    EXPECT_EQ(memo, QStringList({"previous export", "kept"}));
    EXPECT_EQ(doc.lines(), QStringList({"{BOP", "0", "}EOP", "LOCATION", "0", "0", "MISC", "0", "0"}));
}

TEST_F(SphereExportTest, MultiPageDesignNumbersRepliesAndTextsAcrossPages)
{
    const QStringList lines{
        "{BOP", "0",
        "resizepic", "0", "0", "9200.bmp", "400", "300",
        "text", "10", "10", "95", "Title",
        "}EOP",
        "{BOP", "1",
        "button", "10", "40", "ARROW.bmp", "0", "2", "1", "src.sysmessage next\r\ndialog d_next",
        "button", "10", "60", "okay.bmp", "1", "0", "0", "ignored while the flag is 0",
        "text", "30", "40", "1152", "Next page",
        "}EOP",
        "{BOP", "3", "}EOP",
        "LOCATION", "10", "20",
        "{BOP", "2",
        "gumppic", "5", "5", "sub\\a0.bmp",
        "button", "10", "90", "okay.bmp", "1", "0", "1", "dialogclose",
        "}EOP",
    };
    EXPECT_EQ(exportOf(lines, SphereDialect::V55iTo99g),
              QStringList({"[DIALOG testgump]", "10, 20",
                           "PAGE 0", "resizepic 0 0 9200 400 300", "text 10 10 95 0",
                           "PAGE 1", "button 10 40 250 251 0 2 1", "button 10 60 247 248 1 0 0", "text 30 40 1152 1",
                           "PAGE 3",
                           "PAGE 2", "gumppic 5 5 160", "button 10 90 247 248 1 0 2",
                           "", "[DIALOG testgump TEXT]", "Title", "Next page", "", "",
                           "[DIALOG testgump BUTTON]", "on=1", "src.sysmessage next", "dialog d_next",
                           "on=2", "dialogclose", ""}));
}

TEST_F(SphereExportTest, KeywordsInsideFieldsAreExportedAsValues)
{
    const QStringList lines{
        "{BOP", "0",
        "text", "1", "2", "0", "LOCATION",
        "text", "3", "4", "0", "}EOP",
        "text", "5", "6", "0", "{BOP",
        "text", "7", "8", "0", "gumppic",
        "button", "9", "10", "okay.bmp", "0", "0", "1", "MISC",
        "}EOP",
        "LOCATION", "30", "40",
    };
    EXPECT_EQ(exportOf(lines, SphereDialect::V55iTo99g),
              QStringList({"[DIALOG testgump]", "30, 40", "PAGE 0", "text 1 2 0 0", "text 3 4 0 1", "text 5 6 0 2",
                           "text 7 8 0 3", "button 9 10 247 248 0 0 1", "", "[DIALOG testgump TEXT]", "LOCATION",
                           "}EOP", "{BOP", "gumppic", "", "", "[DIALOG testgump BUTTON]", "on=1", "MISC", ""}));
}

TEST_F(SphereExportTest, UnknownDialectWritesNoSectionHeadersOrMarkers)
{
    Document doc(ExampleDocuments::onePageDialog());
    ScriptedHost host(doc);
    EXPECT_EQ(exportOf(doc, "56b", host),
              QStringList({"50, 50", "PAGE 0", "resizepic 0 0 9200 300 200", "gumppic 20 30 500",
                           "text 40 50 1152 0", "button 100 150 247 248 1 0 1", "", "Hello", "", "", Events, ""}));
    EXPECT_EQ(host.asked, QStringList({"name"}));
}

TEST_F(SphereExportTest, NumbersAreCopiedAsTheyStand)
{
    QStringList lines = ExampleDocuments::onePageDialog();
    lines[27] = "middle"; // location X
    lines[28] = "";
    lines[9] = "0x14";    // gumppic X
    const QStringList memo = exportOf(lines, SphereDialect::V55iTo99g);
    EXPECT_EQ(memo[1], "middle, ");
    EXPECT_EQ(memo[5], "gumppic 0x14 30 500");

    Document named(ExampleDocuments::onePageDialog());
    ScriptedHost host(named);
    host.name = QString();
    EXPECT_EQ(exportOf(named, SphereDialect::V55iTo99g, host)[0], "[DIALOG ]");
}

TEST_F(SphereExportTest, TextsTheServerWouldSkipAreLeftOutAndLeadingZerosDropped)
{
    // Texts the server reads as blank take no TEXT line, so they get no index
    // either; the design keeps them.
    const QStringList lines = {"{BOP", "01", "text", "1", "2", "0", "",  "text", "3", "4", "0", "   ",
                               "text", "5", "6", "0", "// note", "text", "07", "010", "01152", "last",
                               "resizepic", "00", "0", "09200.bmp", "0300", "-020", "button", "5", "6", "okay.bmp",
                               "01", "00", "0", "", "}EOP", "LOCATION", "050", "0x10"};
    const QStringList memo = exportOf(lines, SphereDialect::V48eTo51a);
    EXPECT_EQ(memo, QStringList({"[GUMP testgump]", "50, 0x10", "PAGE 1", "text 7 10 1152 0",
                                 "resizepic 0 0 9200 300 -20", "button 5 6 247 248 1 0 0", "",
                                 "[GUMP testgump TEXT]", "last", "", "", "[GUMP testgump BUTTON]", ""}));
}

TEST_F(SphereExportTest, BadArtStopsWithTheRuntimeMessageKeepingLinesWritten)
{
    QStringList lines = ExampleDocuments::onePageDialog();
    QStringList memo{"previous export"};

    lines[20] = "gone.bmp";
    EXPECT_EQ(failureOf(lines, memo), "Line 18: Cannot open file " + appDir + "DATA/buttons/gone.CS");
    EXPECT_EQ(memo, QStringList({"[DIALOG testgump]", "50, 50", "nomove", "PAGE 0", "resizepic 0 0 9200 300 200",
                                 "gumppic 20 30 500", "text 40 50 1152 0"}));

    writeFile(appDir + "DATA/buttons/bad.CS", "F7\r\nG8\r\n");
    lines[20] = "bad.bmp";
    EXPECT_EQ(failureOf(lines, memo), "Line 18: '0xG8' is not a valid integer value");

    writeFile(appDir + "DATA/buttons/short.CS", "F7\r\n");
    lines[20] = "short.bmp";
    EXPECT_EQ(failureOf(lines, memo), "Line 18: List index out of bounds (1)");

    lines[11] = ".bmp"; // a gumppic name of four characters leaves no number
    EXPECT_EQ(failureOf(lines, memo), "Line 9: '0x' is not a valid integer value");
    EXPECT_EQ(memo.size(), 5);
}

TEST_F(SphereExportTest, ARecordCutShortLeavesTheNextPageInPlace)
{
    const QStringList lines{"{BOP", "0", "button", "1", "2", "okay.bmp", "1", "0", "}EOP",
                            "{BOP", "1", "gumppic", "3", "4", "1F4.bmp", "}EOP", "LOCATION", "0", "0"};
    const QStringList script = exportOf(lines, SphereDialect::V48eTo51a);
    const qsizetype page1 = script.indexOf(QStringLiteral("PAGE 1"));
    ASSERT_GE(page1, 0);
    EXPECT_EQ(script.value(page1 + 1), QStringLiteral("gumppic 3 4 500"));
}

TEST(SphereExportNewerKinds, EachKindIsWrittenInTheServersArgumentOrder)
{
    QTemporaryDir dir;
    writeFile(dir.filePath("DATA/buttons/check.cs"), "D2\r\nD3\r\n");
    const QStringList lines = ExampleDocuments::everyNewKindDialog();
    struct Case { QString dialect; QStringList body, texts, blocks; };
    const Case cases[] = {
        {SphereDialect::V55iTo99g,
         {"htmlgump 10 20 200 80 0 1 0", "croppedtext 10 110 120 20 33 1", "textentrylimited 10 140 150 20 0 7 2 12",
          "checkbox 10 170 210 211 1 3", "group 2", "radio 40 170 210 211 0 4", "gumppictiled 0 0 64 32 500",
          "tilepichue 200 10 3821 1152", "checkertrans 5 5 290 190",
          "xmfhtmlgumpcolor 10 200 250 40 1011036 0 1 32767", "gumppic 70 30 500 38"},
         {"Welcome <B>home</B>", "Cropped words", "Name"},
         {"on=0", "SRC.SYSMESSAGE Bye", "DIALOGCLOSE"}},
        // The older servers have no HTML, localized or hued pictures, limits or item hues.
        {SphereDialect::V48eTo51a,
         {"croppedtext 10 110 120 20 33 0", "textentry 10 140 150 20 0 7 1", "checkbox 10 170 210 211 1 3",
          "group 2", "radio 40 170 210 211 0 4", "gumppictiled 0 0 64 32 500", "tilepic 200 10 3821",
          "checkertrans 5 5 290 190"},
         {"Cropped words", "Name"},
         {"ONBUTTON=0", "SRC.SYSMESSAGE Bye", "DIALOGCLOSE"}},
    };
    for (const Case &c : cases) {
        QStringList out;
        writeSphereScript(lines, c.dialect, "t", dir.path(), out);
        const int page = int(out.indexOf("PAGE 0"));
        ASSERT_GT(page, 0);
        EXPECT_EQ(out.mid(page + 1, c.body.size()), c.body) << c.dialect.toStdString();
        EXPECT_EQ(out.mid(page + 3 + c.body.size(), c.texts.size()), c.texts);
        EXPECT_EQ(out.mid(out.size() - 1 - c.blocks.size(), c.blocks.size()), c.blocks);
    }

    // Texts the server would read as blank go inline, keeping later indexes right.
    QStringList blank = lines;
    blank[9] = "// note";
    QStringList out;
    writeSphereScript(blank, SphereDialect::V55iTo99g, "t", dir.path(), out);
    EXPECT_TRUE(out.contains("dhtmlgump 10 20 200 80 1 0 // note"));
    EXPECT_TRUE(out.contains("croppedtext 10 110 120 20 33 0"));
}

// What the server would misread goes out in a form it reads as shown.
TEST_F(SphereExportTest, TextsTheServerWouldTakeForSectionsGoInline)
{
    const auto body = [&](const QStringList &records) {
        const QStringList out = exportOf(QStringList{"{BOP", "0"} + records + QStringList{"}EOP", "MISC", "0", "0"},
                                         SphereDialect::V55iTo99g);
        return out.mid(3, out.indexOf("") - 3);
    };
    const struct { QStringList records; QStringList body; } cases[] = {
        {{"text", "1", "2", "0", "[ATTENTION]"}, {"dtext 1 2 0 [ATTENTION]"}},
        {{"text", "1", "2", "0", "  [x"}, {"dtext 1 2 0 .  [x"}},
        {{"croppedtext", "1", "2", "3", "4", "5", "[EOF]"}, {"dcroppedtext 1 2 3 4 5 [EOF]"}},
        {{"htmlgump", "1", "2", "3", "4", "0", "1", "[b]"}, {"dhtmlgump 1 2 3 4 0 1 [b]"}},
        {{"textentry", "1", "2", "3", "4", "5", "6", "9", "[n"}, {"dtextentrylimited 1 2 3 4 5 6 9 [n"}},
        // Ordinary texts stay in the TEXT section.
        {{"text", "1", "2", "0", ".dot"}, {"text 1 2 0 0"}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(body(c.records), c.body) << c.records.join(u' ').toStdString();

    // The older dialect has no inline text: it stops rather than lose the texts after it.
    Document doc(QStringList{"{BOP", "0", "text", "1", "2", "0", "[x]", "}EOP"});
    ScriptedHost host(doc);
    QStringList memo;
    EXPECT_THROW(runSphereExport(doc, SphereDialect::V48eTo51a, appDir, host, memo), RuntimeError);
}

TEST_F(SphereExportTest, PageZeroAfterAnotherPageGoesFirst)
{
    const QStringList out = exportOf({"{BOP", "1", "gumppic", "1", "1", "1.bmp", "}EOP", "{BOP", "0", "gumppic", "2",
                                      "2", "2.bmp", "}EOP", "{BOP", "0", "gumppic", "3", "3", "3.bmp", "}EOP", "MISC",
                                      "0", "0"},
                                     SphereDialect::V55iTo99g);
    EXPECT_EQ(out.mid(2, 6), QStringList({"PAGE 0", "gumppic 2 2 2", "gumppic 3 3 3", "PAGE 1", "gumppic 1 1 1", ""}));
}

// Replies a script gave its buttons stay theirs; the designer's own skip them.
TEST_F(SphereExportTest, KeptRepliesStayAndNewButtonsNumberAroundThem)
{
    const auto button = [](const QString &flag, const QString &events) {
        return QStringList{"button", "0", "0", "okay.bmp", "1", "0", flag, events};
    };
    const QStringList lines = QStringList{"{BOP", "0"} + button("1", "a") + button("1 1", "b") + button("0 7", "")
                              + button("1", "c") + button("1 1", "b") + QStringList{"}EOP", "MISC", "0", "0"};
    const QStringList out = exportOf(lines, SphereDialect::V55iTo99g);
    const QStringList buttons = out.filter("button ");
    EXPECT_EQ(buttons, QStringList({"button 0 0 247 248 1 0 2", "button 0 0 247 248 1 0 1", "button 0 0 247 248 1 0 7",
                                    "button 0 0 247 248 1 0 3", "button 0 0 247 248 1 0 1"}));
    // One block per reply: the server runs the first that answers it.
    EXPECT_EQ(out.mid(out.indexOf("[DIALOG testgump BUTTON]") + 1),
              QStringList({"on=2", "a", "on=1", "b", "on=3", "c", ""}));

    // A kept range answers its replies: new buttons number past it, or that block would run for them.
    const QStringList ranged = exportOf(lines.mid(0, lines.size() - 3) + QStringList{"BUTTONBLOCK", "ON=2 5 // row", "z"}
                                            + lines.mid(lines.size() - 3),
                                        SphereDialect::V55iTo99g);
    EXPECT_EQ(ranged.filter("button ").replaceInStrings("button 0 0 247 248 1 0 ", ""),
              QStringList({"6", "1", "7", "8", "1"}));
}

TEST_F(SphereExportTest, EventLinesTheServerWouldMisreadStopTheExport)
{
    for (const QString events : {"[EOF]", "x\r\n  [DIALOG d]", "ON=7", "onbutton=2", "On 3 // next", "ONX=1"}) {
        QStringList memo;
        const QString message = failureOf({"{BOP", "0", "button", "0", "0", "okay.bmp", "1", "0", "1", events, "}EOP",
                                           "MISC", "0", "0"},
                                          memo);
        EXPECT_TRUE(message.startsWith("Line 3: the event line")) << message.toStdString();
    }
}

TEST(SphereExportEncoding, UTF8ByDefaultAndEightBitOnlyWhereItCarriesTheLetters)
{
    using SphereDialect::Encoding;
    EXPECT_EQ(SphereDialect::defaultEncoding(SphereDialect::V55iTo99g), Encoding::Utf8);
    EXPECT_EQ(SphereDialect::defaultEncoding(SphereDialect::V48eTo51a), Encoding::EightBit);
    const QStringList script{QStringLiteral("Caf\u00e9")};
    EXPECT_EQ(encodeScript(script, Encoding::Utf8, "\n"), QByteArray("Caf\xc3\xa9\n"));
    EXPECT_EQ(encodeScript(script, Encoding::EightBit, "\r\n"), QByteArray("Caf\xe9\r\n"));
    EXPECT_THROW(encodeScript({QStringLiteral("\u011f")}, Encoding::EightBit, "\n"), RuntimeError);
}

// A NUL anywhere in a script, or a line past the server's 4095 bytes, stops
// the server loading it, and the shard with it: the export refuses them.
TEST_F(SphereExportTest, WhatTheServerCannotLoadStopsTheExport)
{
    const QString nul = QStringLiteral("a%1b").arg(QChar(0));
    const struct {
        QStringList lines;
        const char *message;
    } cases[] = {
        {{"{BOP", "0", "text", "0", "0", "0", nul, "}EOP", "MISC", "0", "0"}, "Line 7: line 7 holds a NUL"},
        {{"{BOP", "0", "button", "0", "0", "okay.bmp", "1", "0", "1", nul, "}EOP", "MISC", "0", "0"},
         "Line 10: line 10 holds a NUL"},
        {{"{BOP", "0", "}EOP", "MISC", "0", "0", "CLOSEBLOCK", nul}, "Line 8: line 8 holds a NUL"},
        // The server's loader cannot hold a longer line either.
        {{"{BOP", "0", "text", "0", "0", "0", QString(4096, u'x'), "}EOP", "MISC", "0", "0"},
         "the script line \"xxxxxxxx"},
    };
    for (const auto &c : cases) {
        QStringList memo;
        const QString message = failureOf(c.lines, memo);
        EXPECT_TRUE(message.startsWith(QString::fromLatin1(c.message))) << message.toStdString();
    }
}
