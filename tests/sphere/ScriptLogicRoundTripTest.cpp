#include "document/Document.h"
#include "document/ElementRecord.h"
#include "document/RecordWalker.h"
#include "sphere/ButtonArtMatcher.h"
#include "sphere/DesignCheck.h"
#include "sphere/SphereExport.h"
#include "sphere/SphereImport.h"
#include "support/FileFixtures.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// A dialog written as the export writes one, so that import, save, load and
// export give it back line for line.
QStringList dialog(const QStringList &layout, const QStringList &texts, const QStringList &blocks)
{
    return QStringList{"[DIALOG d_logic]", "10, 20", "PAGE 0"} + layout
           + QStringList{"", "[DIALOG d_logic TEXT]"} + texts + QStringList{"", "", "[DIALOG d_logic BUTTON]"} + blocks
           + QStringList{""};
}

class ScriptLogicRoundTrip : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        appDir = dir.path() + u'/';
        FileFixtures::writeFile(appDir + "DATA/buttons/okay.bmp", "BM");
        FileFixtures::writeFile(appDir + "DATA/buttons/okay.cs", "F7\r\nF8\r\n");
    }

    // Import, save, load, export.
    QStringList roundTrip(const QStringList &script, QStringList *design = nullptr)
    {
        ButtonArtMatcher buttons(appDir);
        const ImportResult imported = SphereImport::importLines(script, "d_logic", buttons);
        EXPECT_TRUE(imported.imported);
        const QStringList loaded = Document::parseProjectText(Document::projectText(imported.lines));
        EXPECT_EQ(loaded, imported.lines);
        if (design)
            *design = loaded;
        QStringList out;
        writeSphereScript(loaded, SphereDialect::V55iTo99g, "d_logic", appDir, out);
        return out;
    }

    QTemporaryDir dir;
    QString appDir;
};

} // namespace

TEST_F(ScriptLogicRoundTrip, EveryScriptFormComesBackLineForLine)
{
    struct Row { const char *name; QStringList layout, texts, blocks; };
    const Row rows[] = {
        {"conditions around controls, indentation kept",
         {"IF (<src.guild> != <uid>)", "  RETURN 1", "ELIF <src.isgm>", "gumppic 10 10 500", "ELSE",
          "    src.sysmessage no", "ENDIF"},
         {}, {}},
        {"loops over relative places and LOCAL assignments read later",
         {"dorigin 20 40", "LOCAL.y=0", "FOR 5", "  LOCAL.y=<eval <local.y>+20>", "resizepic - *20 9200 100 20",
          "dtext +5 - 0 row <local.y>", "ENDFOR", "WHILE (<local.y> < 200)", "LOCAL.y += 10", "ENDWHILE"},
         {}, {}},
        {"computed fields of each kind",
         {"gumppic <eval 30+<local.i>*20> <argn1> 500", "text <local.x> 40 <local.hue> 0",
          "tilepichue 1 2 3 <local.hue>", "htmlgump 1 2 <local.w> 40 1 0 1", "checkertrans 0 0 <local.w> 10",
          "xmfhtmlgumpcolor 1 2 3 4 1011036 0 0 <local.c>", "dtext 5 <local.y> <local.hue> Hi",
          "dcroppedtext +5 *20 30 <local.h> 0 cut", "dtextentry - 1 2 3 0 4 typed"},
         {"Hello", "World"}, {}},
        {"controls the design cannot hold stay as written",
         {"text 1 2 0 <local.idx>", "button 1 2 <local.up> 248 1 0 3", "tooltip 1011036",
          "buttontileart 1 2 247 248 1 0 4 5 6 7 8", "gumppic 1 2 500 0 extra", "resizepic 1 2 abc 3 4"},
         {}, {}},
        {"other statements, comments, dorand and doswitch",
         {"// a comment of its own", "DORAND 2", "gumppic 1 1 500", "gumppic 2 2 501", "ENDDO", "DOSWITCH <argn1>",
          "text 1 1 0 0", "ENDDO", "BEGIN", "SERV.LOG opened", "END", "FORCHARS 5", "CONTINUE", "ENDFOR",
          "f_my_function <argn1>, 2"},
         {"a"}, {}},
        {"a radio a choice runs keeps its group line in one block with it",
         {"DOSWITCH 1", "BEGIN", "group 2", "radio 1 1 247 248 0 5", "END", "BEGIN", "group 2",
          "radio 1 2 247 248 1 6", "END", "ENDDO"},
         {}, {}},
        {"TEXT lines no control refers to keep their index",
         {"text 1 1 0 1", "croppedtext 1 2 3 4 0 3", "text 1 3 0 <local.which>"},
         {"kept zero", "shown one", "kept two", "shown three", "kept four"}, {}},
        {"button blocks keep their form",
         {"button 1 1 247 248 1 0 5", "button 1 2 247 248 1 0 1", "button 1 3 247 248 1 0 2",
          "button 1 4 4005 4007 1 0 9", "button 1 5 247 248 1 0 <local.r>"},
         {},
         {"on=0", "src.sysmessage closed", "on=5", "// the fifth", "src.sysmessage five", "ON=1 9",
          "  // shared by a range", "src.sysmessage <argn1>", "ON=100 199", "src.sysmessage looped",
          "ONBUTTON=<local.r>", "RETURN 0"}},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        const QStringList script = dialog(row.layout, row.texts, row.blocks);
        EXPECT_EQ(roundTrip(script).join(u'\n').toStdString(), script.join(u'\n').toStdString());
    }
}

TEST_F(ScriptLogicRoundTrip, ComputedElementsAreMarkedAndScriptLinesAreRecords)
{
    QStringList design;
    roundTrip(dialog({"IF <a>", "gumppic +5 <argn1> 500", "gumppic 1 2 500", "ENDIF"}, {}, {}), &design);
    std::vector<std::pair<ElementKind, bool>> kinds;
    RecordWalker w(design);
    while (w.next())
        if (w.item() == RecordWalker::Item::Element)
            kinds.emplace_back(w.kind(), ElementRecord::read(w).placedByServer);
    EXPECT_EQ(kinds, (std::vector<std::pair<ElementKind, bool>>{{ElementKind::Script, false},
                                                                 {ElementKind::Gumppic, true},
                                                                 {ElementKind::Gumppic, false},
                                                                 {ElementKind::Script, false}}));
}

// The guild dialog's buttons came back with the library's fallback pair: a
// button keeps its own gumps when no art of the library has them.
TEST_F(ScriptLogicRoundTrip, AButtonWithoutItsPairInTheLibraryKeepsItsGumps)
{
    const QStringList script = dialog({"button 20 50 4005 4007 1 0 1", "checkbox 1 2 210 211 0 3"}, {},
                                      {"on=1", "src.sysmessage one"});
    QStringList design;
    EXPECT_EQ(roundTrip(script, &design), script);
    EXPECT_TRUE(design.contains("gump 4005 4007.bmp"));
    ButtonArtMatcher buttons(appDir);
    const ImportResult imported = SphereImport::importLines(script, "d_logic", buttons);
    EXPECT_TRUE(imported.errors.join(' ').contains("4005 and 4007"));
}

TEST_F(ScriptLogicRoundTrip, TheCheckNamesUnmatchedBlocksAtTheirLine)
{
    struct Row { QStringList layout; QStringList expected; QString dialect = "55i - 99g"; };
    const auto lacks = [](const QString &what) {
        return "warning: script line: dialect 48e - 51a has no " + what
               + "; the export writes the line as it is, and an older server does not read it";
    };
    const Row rows[] = {
        {{"IF <a>", "gumppic 1 1 500"}, {"error: script line: IF without ENDIF"}},
        // What the older servers have no control for, kept as script lines, is named in that dialect alone.
        {{"dtext 1 2 0 Hi <src.name>", "gumppic 1 2 <local.g> 5", "gumppic 1 2 <local.g>"},
         {lacks("dtext"), lacks("gumppic with a hue")}, "48e - 51a"},
        {{"dtext 1 2 0 Hi <src.name>", "gumppic 1 2 <local.g> 5"}, {}},
        {{"gumppic 1 1 500", "ENDIF"}, {"error: script line: ENDIF without IF"}},
        {{"FOR 3", "IF <a>", "ENDFOR"}, {"error: script line: IF without ENDIF"}},
        {{"IF <a>", "page 2", "gumppic 1 1 500", "ENDIF"},
         {"information: page 2 begins inside the IF of line 3; the server sends it only when that runs"}},
        {{"IF <a>", "ELSE", "ENDIF"}, {}},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.layout.join(" / ").toStdString());
        QStringList design;
        roundTrip(dialog(row.layout, {}, {}), &design);
        QStringList found;
        for (const DesignProblem &p : DesignCheck::run(design, nullptr, row.dialect))
            if (p.message.contains("script line") || p.message.contains("begins inside"))
                found << DesignCheck::severityWord(p.severity) + ": " + p.message;
        EXPECT_EQ(found, row.expected);
    }
}

TEST_F(ScriptLogicRoundTrip, ComputedLocationsAndInlineTextsThatReadValues)
{
    struct Row { QString layoutFirst; QStringList layout; QStringList design; QString exportedFirst; };
    const Row rows[] = {
        // The server reads the two values it finds; an expression keeps its blanks.
        {"50 <eval 20 + <local.k> * 120>", {}, {"LOCATION", "50", "<eval 20 + <local.k> * 120>"},
         "50, <eval 20 + <local.k> * 120>"},
        {"010,<argn1>", {}, {"LOCATION", "16", "<argn1>"}, "16, <argn1>"},
        // HTML tags are the client's; "<local.name>" is expanded where the line stands.
        {"0,0", {"dtext 1 2 0 <B>bold</B>"}, {"text", "1", "2", "0", "<B>bold</B>"}, "0, 0"},
        {"0,0", {"dtext 1 2 0 Hi <src.name>"}, {"script", "dtext 1 2 0 Hi <src.name>"}, "0, 0"},
        {"0,0", {"dcroppedtext <eval 5> 2 3 4 0 plain"}, {"croppedtext", "<eval 5>", "2", "3", "4", "0", "plain"},
         "0, 0"},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.layoutFirst.toStdString() + " " + row.layout.join(' ').toStdString());
        const QStringList script = QStringList{"[DIALOG d_logic]", row.layoutFirst} + row.layout;
        QStringList design;
        const QStringList out = roundTrip(script, &design);
        EXPECT_TRUE(design.join(u'\n').contains(row.design.join(u'\n'))) << design.join(u'|').toStdString();
        EXPECT_EQ(out.value(1), row.exportedFirst);
    }
}
