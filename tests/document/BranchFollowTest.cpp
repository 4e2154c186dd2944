// The branch shown for a condition stays with that condition while edits
// elsewhere add, remove or move others around it.
#include "document/BranchFollow.h"
#include "document/DocumentSession.h"
#include "document/ScriptLineCommands.h"

#include <gtest/gtest.h>

namespace {

QStringList script(const QString &line) { return {QStringLiteral("script"), line}; }
QStringList pic(const QString &x) { return {QStringLiteral("gumppic"), x, QStringLiteral("0"), QStringLiteral("1F4.bmp")}; }
// A condition with two branches, each holding a picture.
QStringList condition(const QString &test)
{
    return script(QStringLiteral("IF ") + test) + pic("1") + script("ELSE") + pic("2") + script("ENDIF");
}
QStringList page(const QStringList &body) { return QStringList{"{BOP", "0"} + body + QStringList{"}EOP"}; }

BranchChoice chosen(QList<int> branches)
{
    BranchChoice choice;
    for (int k = 0; k < branches.size(); ++k)
        choice.choose(k, branches[k]);
    return choice;
}

} // namespace

TEST(BranchFollow, EachConditionKeepsItsBranchAcrossEditsElsewhere)
{
    const QStringList a = condition("<a>"), b = condition("<b>"), c = condition("<c>");
    struct Row
    {
        const char *name;
        QStringList before;
        QList<int> choice;
        QStringList after;
        QString expected;   // BranchChoice::text() of the carried choice
    };
    const Row rows[] = {
        {"a control before the first", page(a + b), {1, 0}, page(pic("9") + a + b), "1"},
        {"a new condition before the chosen one", page(a + b), {0, 1}, page(c + a + b), "0,0,1"},
        {"the first removed", page(a + b + c), {1, 0, 1}, page(b + c), "0,1"},
        {"a new one in the middle", page(a + b), {1, 1}, page(a + c + b), "1,0,1"},
        {"the chosen one rewritten shows its first", page(a + b), {0, 1}, page(a + condition("<z>")), "first"},
        {"two alike keep their order", page(a + a), {1, 0}, page(c + a + a), "0,1"},
        {"a condition nested in a branch", page(script("IF <o>") + a + script("ENDIF") + b), {0, 1, 1},
         page(c + script("IF <o>") + a + script("ENDIF") + b), "0,0,1,1"},
        {"the first branches stay so", page(a + b), {}, page(c + a + b), "first"},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(BranchFollow::across(chosen(row.choice), row.before, row.after).text(), row.expected);
    }
    BranchChoice all;
    all.all = true;
    EXPECT_TRUE(BranchFollow::across(all, page(a), page(b + a)).all);
}

// The session carries the choice with each change it announces, undo included.
TEST(BranchFollow, TheSessionCarriesTheChoiceThroughInsertAndUndo)
{
    DocumentSession s;
    s.state.DATA = Document(page(pic("30") + condition("<a>")));
    s.state.Page = QStringLiteral("0");
    s.publish();
    s.state.Branches = chosen({1});
    // A condition added at the page's end, after the chosen one: nothing moves.
    ASSERT_TRUE(ScriptLineCommands::insert(s.state, ScriptLineCommands::Form::IfElse));
    s.publish();
    EXPECT_EQ(s.state.Branches.text(), "1");
    s.undoStack.undo();
    s.publish();
    EXPECT_EQ(s.state.Branches.text(), "1");
    // One put around the picture before it: the choice moves on with its condition.
    s.state.SelectedLine = 2;
    s.state.Selection = {2};
    ASSERT_TRUE(ScriptLineCommands::insert(s.state, ScriptLineCommands::Form::If));
    s.publish();
    EXPECT_EQ(s.state.Branches.text(), "0,1");
    s.undoStack.undo();
    s.publish();
    EXPECT_EQ(s.state.Branches.text(), "1");
}
