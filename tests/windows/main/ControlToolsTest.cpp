#include "windows/main/MainWindowFixture.h"
#include "windows/widgets/PropertyPanel.h"

#include <QAction>
#include <QCheckBox>
#include <QDockWidget>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QTest>

TEST_F(MainWindowTest, InsertMenuAddsEachNewerKindAndThePanelEditsItsFields)
{
    QStringList kinds;
    for (QAction *action : window->control<QMenu>("InsertMenu")->actions())
        kinds << action->text();
    EXPECT_EQ(kinds, (QStringList{"Htmlgump", "Croppedtext", "Textentry", "Checkbox", "Radio", "Gumppictiled",
                                  "Tilepic", "Checkertrans", "Xmfhtmlgump", "Gumppichue", "", "IF … ENDIF",
                                  "IF … ELSE … ENDIF", "FOR … ENDFOR", "LOCAL assignment"}));

    window->control<QMenu>("InsertMenu")->actions().first()->trigger();
    const int at = window->state().SelectedLine;
    ASSERT_GT(at, 0);
    EXPECT_EQ(lines()[at], "htmlgump");
    EXPECT_FALSE(window->control<QDockWidget>("PropertiesDock")->isHidden());
    ASSERT_EQ(window->control<PropertyPanel>("Properties")->shownKind(), ElementKind::Htmlgump);

    auto *width = qobject_cast<QLineEdit *>(window->control<PropertyPanel>("Properties")->editorOf(3));
    ASSERT_TRUE(width);
    EXPECT_EQ(width->text(), "200");
    width->selectAll();
    QTest::keyClicks(width, "150");
    EXPECT_EQ(lines()[at + 3], "150");
    auto *background = qobject_cast<QCheckBox *>(window->control<PropertyPanel>("Properties")->editorOf(5));
    ASSERT_TRUE(background);
    background->click();
    EXPECT_EQ(lines()[at + 5], "1");
    auto *text = qobject_cast<QLineEdit *>(window->control<PropertyPanel>("Properties")->editorOf(7));
    text->selectAll();
    QTest::keyClicks(text, "<B>Welcome</B> traveller");
    EXPECT_EQ(lines()[at + 7], "<B>Welcome</B> traveller");

    if (const QString shot = qEnvironmentVariable("QM_SHOT"); !shot.isEmpty()) {
        window->resize(1100, 700);
        window->show();
        QTest::qWait(200);
        window->grab().save(shot);
    }

}

TEST_F(MainWindowTest, TheCheckFollowsTheExportDialectOfTheOptions)
{
    window->state().DATA = Document({"{BOP", "0", "htmlgump", "10", "10", "100", "40", "0", "0", "Hi", "}EOP"});
    const auto named = [this] {
        for (int k = 0; k < window->control<QListWidget>("ProblemsList")->count(); ++k)
            if (window->control<QListWidget>("ProblemsList")->item(k)->text().contains("dialect 48e - 51a has no htmlgump"))
                return true;
        return false;
    };
    window->settings().exportVersion = QStringLiteral("48e - 51a");
    window->CheckClick();
    EXPECT_TRUE(named());
    // The check that follows every render follows a changed dialect too, with
    // the lines unchanged (the options window's "Ok" renders afresh).
    window->settings().exportVersion = QStringLiteral("55i - 99g");
    window->ScrollBar2Change();
    EXPECT_FALSE(named());
    window->settings().exportVersion = QStringLiteral("48e - 51a");
    window->ScrollBar2Change();
    EXPECT_TRUE(named());
}
