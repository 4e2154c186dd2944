#include "document/BranchChoice.h"
#include "document/ControlCommands.h"
#include "document/DocumentSession.h"
#include "document/ElementCommands.h"
#include "document/LocalMove.h"
#include "document/ScriptLineCommands.h"
#include "editor/KeyboardNudge.h"
#include "editor/TestMode.h"

#include <gtest/gtest.h>

namespace {

using Form = ScriptLineCommands::Form;

QStringList script(const QString &line) { return {QStringLiteral("script"), line}; }
QStringList pic(const QString &x, const QString &y) { return {QStringLiteral("gumppic"), x, y, QStringLiteral("1F4.bmp")}; }

// {BOP 0: IF / pic A / ELSE / pic B / ENDIF / pic C }EOP
QStringList conditionDesign()
{
    return QStringList{"{BOP", "0"} + script("IF <src.isgm>") + pic("10", "10") + script("ELSE") + pic("20", "20")
           + script("ENDIF") + pic("30", "30") + QStringList{"}EOP"};
}
constexpr int IfLine = 2, PicA = 4, ElseLine = 8, PicB = 10, EndifLine = 14, PicC = 16;

struct Session : DocumentSession
{
    explicit Session(QStringList lines)
    {
        state.DATA = Document(std::move(lines));
        state.Page = QStringLiteral("0");
    }
    void select(int line)
    {
        state.SelectedLine = line;
        state.Selection = {line};
    }
    const QStringList &lines() const { return state.DATA.lines(); }
};

} // namespace

TEST(ScriptLineCommands, EachCommandIsOneStepThatUndoes)
{
    struct Row {
        const char *name;
        int selected;
        std::function<bool(EditorState &)> command;
        QStringList expected;
        int selectedAfter;
    };
    const QStringList d = conditionDesign();
    const auto mid = [&](int from, int n) { return d.mid(from, n); };
    const Row rows[] = {
        {"IF around a control", PicC, [](EditorState &s) { return ScriptLineCommands::insert(s, Form::If); },
         mid(0, PicC) + script("IF (<local.show>)") + pic("30", "30") + script("ENDIF") + QStringList{"}EOP"}, PicC},
        {"IF ELSE with nothing selected goes to the page's end", 0,
         [](EditorState &s) { return ScriptLineCommands::insert(s, Form::IfElse); },
         mid(0, PicC + 4) + script("IF (<local.show>)") + script("ELSE") + script("ENDIF") + QStringList{"}EOP"},
         PicC + 4},
        {"LOCAL before a control", PicA, [](EditorState &s) { return ScriptLineCommands::insert(s, Form::Local); },
         mid(0, PicA) + script("LOCAL.value=0") + mid(PicA, -1), PicA},
        {"control up past IF leaves the branch", PicA, ScriptLineCommands::moveUp,
         mid(0, IfLine) + pic("10", "10") + script("IF <src.isgm>") + mid(ElseLine, -1), IfLine},
        {"control down past ELSE changes branch", PicA, ScriptLineCommands::moveDown,
         mid(0, PicA) + script("ELSE") + pic("10", "10") + mid(PicB, -1), PicA + 2},
        {"script line down past a control", EndifLine, ScriptLineCommands::moveDown,
         mid(0, EndifLine) + pic("30", "30") + script("ENDIF") + QStringList{"}EOP"}, EndifLine + 4},
        {"out of the IF, after its ENDIF", PicA, ScriptLineCommands::moveOutOfBlock,
         mid(0, PicA) + mid(ElseLine, PicC - ElseLine) + pic("10", "10") + mid(PicC, -1), PicC - 4},
        {"duplicate a script line", ElseLine, ScriptLineCommands::duplicateLine,
         mid(0, PicB) + script("ELSE") + mid(PicB, -1), ElseLine + 2},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        Session s(d);
        s.select(row.selected);
        ASSERT_TRUE(row.command(s.state));
        EXPECT_EQ(s.lines(), row.expected);
        EXPECT_EQ(s.state.SelectedLine, row.selectedAfter);
        EXPECT_EQ(s.undoStack.count(), 1);
        s.undoStack.undo();
        EXPECT_EQ(s.lines(), d);
        s.undoStack.redo();
        EXPECT_EQ(s.lines(), row.expected);
    }
}

TEST(ScriptLineCommands, RefusedMovesChangeNothing)
{
    struct Row { const char *name; int selected; std::function<bool(EditorState &)> command; };
    const Row rows[] = {
        {"first record up", IfLine, ScriptLineCommands::moveUp},
        {"last record down", PicC, ScriptLineCommands::moveDown},
        {"a control at the top out of a block", PicC, ScriptLineCommands::moveOutOfBlock},
        {"a script line out of its block", ElseLine, ScriptLineCommands::moveOutOfBlock},
        {"duplicate of a control as a script line", PicA, ScriptLineCommands::duplicateLine},
        {"nothing selected", 0, ScriptLineCommands::moveDown},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        Session s(conditionDesign());
        s.select(row.selected);
        EXPECT_FALSE(row.command(s.state));
        EXPECT_EQ(s.lines(), conditionDesign());
        EXPECT_EQ(s.undoStack.count(), 0);
    }
}

TEST(ScriptLineCommands, ModifyPanelWritesScriptTextAndComputedFields)
{
    // IF / checkertrans / ENDIF
    const QStringList design = QStringList{"{BOP", "0"} + script("IF 1")
                               + QStringList{"checkertrans", "10", "10", "50", "50"} + script("ENDIF")
                               + QStringList{"}EOP"};
    constexpr int Box = 4;
    struct Row { int selected; int field; QString text; bool written; };
    const Row rows[] = {
        {IfLine, 1, "IF (<local.other>)", true},
        {Box, 1, "+30", true},                    // a place from the origin
        {Box, 3, "<eval 10*<local.i>>", true},    // an expression
        {Box, 1, "abc", false},                   // neither: refused
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.text.toStdString());
        Session s(design);
        s.select(row.selected);
        EXPECT_EQ(ControlCommands::writeControlField(s.state, row.field, row.text), row.written);
        EXPECT_EQ(s.lines()[row.selected + row.field] == row.text, row.written);
    }
}

TEST(BranchChoice, HidesTheBranchesNotChosen)
{
    // IF a / ELSE b / ENDIF, then FOR ( IF c ELIF d ELSE e ENDIF ) ENDFOR
    const QStringList lines = QStringList{"{BOP", "0"} + script("IF 1") + pic("1", "1") + script("ELSE")
                              + pic("2", "2") + script("ENDIF") + script("FOR 0 3") + script("  IF <x>")
                              + pic("3", "3") + script("  ELIF <y>") + pic("4", "4") + script("  ELSE")
                              + pic("5", "5") + script("  ENDIF") + script("ENDFOR") + QStringList{"}EOP"};
    const int a = 4, b = 10, c = 20, d = 26, e = 32;
    struct Row { QString choice; QList<int> shown; };
    const Row rows[] = {
        {"first", {a, c}},
        {"all", {a, b, c, d, e}},
        {"1", {b, c}},
        {"1,2", {b, e}},
        {"0,1", {a, d}},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.choice.toStdString());
        const std::optional<BranchChoice> choice = BranchChoice::parse(row.choice);
        ASSERT_TRUE(choice);
        EXPECT_EQ(BranchChoice::parse(choice->text()), choice);
        const LogicView view(lines, *choice);
        QList<int> shown;
        for (int line : {a, b, c, d, e})
            if (!view.hidden(line))
                shown << line;
        EXPECT_EQ(shown, row.shown);
    }
    const LogicView view(lines, BranchChoice());
    EXPECT_EQ(view.conditions(), 2);
    EXPECT_EQ(view.branchCount(1), 3);
    EXPECT_EQ(view.depthOf(c), 2);
    EXPECT_EQ(view.conditionAround(d), 1);
    for (const char *bad : {"x", "1,,2", "-1"})
        EXPECT_FALSE(BranchChoice::parse(QString::fromLatin1(bad))) << bad;
}

TEST(LocalMove, FieldsKeepTheFormTheyWereWrittenIn)
{
    struct Row { QString text; int delta; std::optional<QString> moved; };
    const Row rows[] = {
        {"20", 10, "30"},
        {"+20", 10, "+30"},
        {"+5", -10, "-5"},
        {"-5", 10, "+5"},      // from the origin, and stays so
        {"-", 4, "+4"},
        {"-", -4, "-4"},
        {"5", -10, "-5"},      // below 0 only from the origin
        {"*20", 10, std::nullopt},  // moves every later place: stays
        {"<eval 30+<local.i>*20>", 10, std::nullopt},
        {"<argn1>", 0, "<argn1>"},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.text.toStdString());
        EXPECT_EQ(LocalMove::shifted(row.text, row.delta), row.moved);
    }
}

TEST(LocalMove, ADragAfterDoriginMovesOnlyThatControl)
{
    Document doc(QStringList{"{BOP", "0"} + script("dorigin 100 50") + pic("+20", "+0") + pic("+40", "<argn1>")
                 + QStringList{"}EOP"});
    const QStringList before = doc.lines();
    EXPECT_EQ(LocalMove::placeOf(doc.lines(), 4), QPoint(120, 50));
    const LocalMove::Outcome first = LocalMove::moveTo(doc, 4, QPoint(130, 55));
    EXPECT_TRUE(first.moved);
    EXPECT_TRUE(LocalMove::keptMessage(first).isEmpty());
    EXPECT_EQ(doc.line(5), "+30");
    EXPECT_EQ(doc.line(6), "+5");
    EXPECT_EQ(doc.lines().mid(8), before.mid(8));
    const LocalMove::Outcome second = LocalMove::moveBy(doc, 8, QPoint(10, 5));
    EXPECT_EQ(doc.line(9), "+50");
    EXPECT_EQ(doc.line(10), "<argn1>");
    EXPECT_TRUE(second.keptY);
    EXPECT_FALSE(LocalMove::keptMessage(second).isEmpty());
}

TEST(LocalMove, NudgeKeepsRelativePlacesAndSaysWhatStayed)
{
    struct Row { QString x, y; QPoint step; QString movedX, movedY; bool said; };
    const Row rows[] = {
        {"+20", "-5", QPoint(1, 1), "+21", "-4", false},
        {"<argn1>", "7", QPoint(1, 1), "<argn1>", "8", true},
        {"*10", "7", QPoint(2, 0), "*10", "7", true},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.x.toStdString());
        Session s(QStringList{"{BOP", "0"} + pic(row.x, row.y) + QStringList{"}EOP"});
        s.select(2);
        s.state.SelectIndex = 0;
        QString kept;
        KeyboardNudge::nudge(s.state, row.step, &kept);
        EXPECT_EQ(s.lines()[3], row.movedX);
        EXPECT_EQ(s.lines()[4], row.movedY);
        EXPECT_EQ(!kept.isEmpty(), row.said);
    }
}

// Test mode presses only what the branch choice shows: the IF's button or the ELSE's, at the same place.
TEST(LocalMove, TestModeFollowsTheBranchChoice)
{
    const auto button = [](const QString &page) {
        return QStringList{"button", "10", "10", "b.bmp", "0", page, "0", ""};
    };
    const QStringList lines = QStringList{"{BOP", "0"} + script("IF 1") + button("2") + script("ELSE") + button("3")
                              + script("ENDIF") + QStringList{"}EOP", "{BOP", "2", "}EOP", "{BOP", "3", "}EOP"};
    struct Row { QString choice; QString page; };
    const Row rows[] = {{"first", "2"}, {"1", "3"}};
    for (const Row &row : rows) {
        SCOPED_TRACE(row.choice.toStdString());
        TestMode mode;
        mode.enter(QStringLiteral("0"));
        const TestMode::Click hit = mode.click(lines, QPoint(12, 12), [](const QString &) { return QSize(20, 20); },
                                               *BranchChoice::parse(row.choice));
        EXPECT_EQ(hit.page, row.page);
    }
}

// Clone with its offset: a script line is copied as it is, a relative place moves in its form.
TEST(ScriptLineCommands, CloneWithOffsetKeepsScriptLinesAndRelativePlaces)
{
    struct Row { int selected; QStringList copy; };
    const Row rows[] = {
        {IfLine, script("IF <src.isgm>")},
        {PicA, pic("20", "20")},
    };
    for (const Row &row : rows) {
        Session s(conditionDesign());
        s.select(row.selected);
        ASSERT_TRUE(ElementCommands::clone(s.state, true));
        EXPECT_EQ(s.lines().mid(s.lines().size() - 1 - row.copy.size(), row.copy.size()), row.copy);
    }
    Session s(QStringList{"{BOP", "0"} + pic("+20", "<argn1>") + QStringList{"}EOP"});
    s.select(2);
    ASSERT_TRUE(ElementCommands::clone(s.state, true));
    EXPECT_EQ(s.lines().mid(6, 4), pic("+30", "<argn1>"));
}
