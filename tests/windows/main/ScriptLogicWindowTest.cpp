#include "windows/main/MainWindowFixture.h"
#include "windows/widgets/PropertyPanel.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

namespace {

QStringList conditionDesign()
{
    return {"{BOP", "0", "script", "IF <src.isgm>", "checkertrans", "10", "10", "40", "40", "script", "ELSE",
            "checkertrans", "<argn1>", "+20", "40", "40", "script", "ENDIF", "}EOP"};
}

} // namespace

class ScriptLogicWindowTest : public MainWindowTest
{
protected:
    void open(const QStringList &design)
    {
        window->state().DATA = Document(design);
        settle();
        window->DRAWClick();
        settle();
    }
    QStringList entries() const
    {
        QStringList texts;
        const auto *list = window->control<QComboBox>("ComboBox1");
        for (int k = 0; k < list->count(); ++k)
            texts << list->itemText(k);
        return texts;
    }
    void trigger(const char *name)
    {
        QAction *action = window->findChild<QAction *>(QString::fromLatin1(name));
        ASSERT_TRUE(action) << name;
        action->trigger();
        settle();
    }
};

TEST_F(ScriptLogicWindowTest, ListShowsTheBranchesAndTheChoiceIsAViewOption)
{
    open(conditionDesign());
    EXPECT_EQ(entries(), (QStringList{"IF <src.isgm>", "  Checkertrans at 10 10 Sized 40 40", "ELSE",
                                      "  Checkertrans at <argn1> +20 Sized 40 40 (branch not shown)", "ENDIF"}));
    struct Row { const char *action; bool elseShown; bool ifShown; };
    const Row rows[] = {
        {"BranchesAll", true, true},
        {"BranchesFirst", false, true},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.action);
        trigger(row.action);
        window->DRAWClick();
        settle();
        EXPECT_EQ(!entries()[3].endsWith("(branch not shown)"), row.elseShown);
        EXPECT_EQ(!entries()[1].endsWith("(branch not shown)"), row.ifShown);
        EXPECT_EQ(lines(), conditionDesign());   // never a change to the design
    }
    // Ctrl+B on the ELSE line shows the other branch of that condition.
    select(2);
    trigger("BranchesNext");
    window->DRAWClick();
    settle();
    EXPECT_TRUE(entries()[1].endsWith("(branch not shown)"));
    EXPECT_TRUE(entries()[3].endsWith("(placed by the server)"));
    EXPECT_EQ(lines(), conditionDesign());
    EXPECT_EQ(window->control<QLabel>("Label8")->text(), "\"IF <src.isgm>\" shows its branch 2 of 2");
}

TEST_F(ScriptLogicWindowTest, ScriptLinesAreInsertedMovedAndEditedInTheModifyPanel)
{
    open(conditionDesign());
    select(1);   // the first checkertrans
    trigger("InsertFor");
    EXPECT_EQ(lines().mid(4, 8),
              (QStringList{"script", "FOR 0 4", "checkertrans", "10", "10", "40", "40", "script"}));
    EXPECT_EQ(lines()[12], "ENDFOR");
    EXPECT_EQ(window->state().SelectedLine, 4);

    // The FOR line's text in the Modify panel, typed as a user types.
    auto *panel = window->control<PropertyPanel>("Properties");
    ASSERT_EQ(panel->shownKind(), ElementKind::Script);
    auto *line = qobject_cast<QLineEdit *>(panel->editorOf(1));
    ASSERT_TRUE(line);
    line->selectAll();
    QTest::keyClicks(line, "FOR 1 3");
    EXPECT_EQ(lines()[5], "FOR 1 3");

    // Down past the control: the control leaves the loop.
    trigger("LogicMoveDown");
    EXPECT_EQ(lines()[4], "checkertrans");
    EXPECT_EQ(lines()[10], "FOR 1 3");
}
