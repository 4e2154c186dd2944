#include "editor/AutoSave.h"
#include "windows/elements/TForm11.h"
#include "windows/elements/TForm2.h"
#include "windows/elements/TForm4.h"
#include "windows/main/MainWindowFixture.h"
#include "windows/options/TForm12.h"
#include "windows/options/TForm13.h"
#include "windows/options/TForm9.h"
#include "windows/widgets/SpinEdit.h"

#include "support/TextFiles.h"

#include <QAction>
#include <QComboBox>
#include <QDockWidget>
#include <QToolButton>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <functional>

namespace {

// A picture at 100,100 and a button at 40,50, both 8 x 6 pixels.
const QStringList artLines = {"{BOP", "0",
                              "gumppic", "100", "100", "1F4.bmp",
                              "button", "40", "50", "okay.bmp", "1", "0", "0", "",
                              "}EOP"};

} // namespace

// Typing into the spins of the location and button options windows: no
// conversion box while the text is not a number, and Ok closes with the last
// number the spin held.
TEST(PropertyWindows, SpinsWaitForANumberAndCloseWithTheLastOne)
{
    struct Case
    {
        const char *name;
        std::function<QDialog *()> make;
        std::function<SpinEdit *(QDialog &)> spin;
    };
    const Case cases[] = {
        {"location X", [] { return new TForm9; }, [](QDialog &d) { return static_cast<TForm9 &>(d).CSpinEdit1; }},
        {"location Y", [] { return new TForm9; }, [](QDialog &d) { return static_cast<TForm9 &>(d).CSpinEdit2; }},
        {"button page", [] { return new TForm11; }, [](QDialog &d) { return static_cast<TForm11 &>(d).CSpinEdit1; }},
    };
    for (const Case &c : cases) {
        ScriptedModals modals;
        std::unique_ptr<QDialog> window(c.make());
        SpinEdit *spin = c.spin(*window);
        spin->setText(QStringLiteral("-4"));
        EXPECT_EQ(spin->text(), QStringLiteral("0")) << c.name;
        spin->setText(QStringLiteral("12"));
        for (const char *typed : {"", "-", "1x"}) {
            spin->setText(QString::fromLatin1(typed));
            EXPECT_EQ(spin->text(), QString::fromLatin1(typed)) << c.name << " while typing '" << typed << "'";
        }
        EXPECT_TRUE(modals.messages(Modal::MessageKind::Error).isEmpty()) << c.name;
        window->accept();
        EXPECT_EQ(spin->text(), QStringLiteral("12")) << c.name;
    }
}

// None of these windows but Button Options has a Cancel: they show no close
// box, and neither Escape nor the window manager's close closes them; their
// Ok does. Button Options is left by either as cancelled.
TEST(PropertyWindows, WithoutCancelEscapeAndTheCloseBoxDoNothing)
{
    struct Case
    {
        const char *name;
        std::function<QDialog *()> make;
        std::function<QPushButton *(QDialog &)> ok;
        bool cancels = false;
    };
    const Case cases[] = {
        {"location", [] { return new TForm9; }, [](QDialog &d) { return static_cast<TForm9 &>(d).Button1; }},
        {"misc", [] { return new TForm13; }, [](QDialog &d) { return static_cast<TForm13 &>(d).Button1; }},
        {"text", [] { return new TForm4; }, [](QDialog &d) { return static_cast<TForm4 &>(d).Button1; }},
        {"button options", [] { return new TForm11; }, [](QDialog &d) { return static_cast<TForm11 &>(d).Button1; },
         true},
    };
    for (const Case &c : cases) {
        std::unique_ptr<QDialog> window(c.make());
        EXPECT_EQ(window->windowFlags().testFlag(Qt::WindowCloseButtonHint), c.cancels) << c.name;
        window->setModal(false);
        window->show();
        QTest::keyClick(window.get(), Qt::Key_Escape);
        EXPECT_EQ(window->isVisible(), !c.cancels) << c.name << " after Escape";
        if (c.cancels) {
            EXPECT_EQ(window->result(), QDialog::Rejected) << c.name;
            window->show();
        }
        EXPECT_EQ(window->close(), c.cancels) << c.name;
        EXPECT_EQ(window->isVisible(), !c.cancels) << c.name << " after the close box";
        if (c.cancels)
            window->show();
        c.ok(*window)->click();
        EXPECT_FALSE(window->isVisible()) << c.name << " after Ok";
        EXPECT_EQ(window->result(), QDialog::Accepted) << c.name;
    }
}

TEST_F(MainWindowTest, DoubleClickRunsOptionsForButtonsAndChangeImageForPictures)
{
    window->state().DATA = Document(artLines);
    settle();
    window->DRAWClick();
    settle();

    modals->onWindow<TForm11>([](TForm11 &options) {
        options.CSpinEdit1->setText(QStringLiteral("3"));
        options.Button1->click();
    });
    window->Image1DblClick(42, 52);
    settle();
    EXPECT_EQ(window->state().SelectedLine, 6);
    EXPECT_EQ(lines().mid(10, 2), QStringList({"1", "3"}));

    modals->onWindow<TForm2>([](TForm2 &picker) { picker.reject(); });
    window->Image1DblClick(103, 102);
    settle();
    EXPECT_EQ(window->state().SelectedLine, 2);
    QStringList optionsWritten = artLines;
    optionsWritten[11] = QStringLiteral("3");
    EXPECT_EQ(lines(), optionsWritten); // Cancel in the picker changes nothing
    EXPECT_TRUE(modals->finished());

    // Empty canvas: nothing opens.
    window->Image1DblClick(400, 400);
    settle();
    EXPECT_TRUE(modals->finished());
}

TEST_F(MainWindowTest, ChoosingAProblemSelectsItsRecord)
{
    window->state().DATA = Document({"{BOP", "0",
                                     "gumppic", "10", "10", "1F4.bmp",
                                     "gumppic", "60", "60", "7D0.bmp",
                                     "}EOP"});
    window->DRAWClick();
    settle();
    ASSERT_EQ(window->control<QListWidget>("ProblemsList")->count(), 1);
    EXPECT_FALSE(window->control<QDockWidget>("ProblemsDock")->isHidden());
    EXPECT_EQ(window->control<QListWidget>("ProblemsList")->item(0)->text(),
              QStringLiteral("Page 0, Gumppic at 60 60 Useing 2000: picture 7D0 is missing from the art library; the canvas draws a placeholder"));

    window->control<QListWidget>("ProblemsList")->setCurrentRow(0);
    settle();
    emit window->control<QListWidget>("ProblemsList")->itemClicked(window->control<QListWidget>("ProblemsList")->item(0));
    settle();
    EXPECT_EQ(window->state().SelectedLine, 6);
    EXPECT_EQ(window->control<QComboBox>("ComboBox1")->currentIndex(), 1);
}

// Each view switch changes the picture, and the canvas shows it when the turn ends.
TEST_F(MainWindowTest, ViewSwitchesRedrawAtOnce)
{
    window->state().DATA = Document({"{BOP", "0", "gumppic", "10", "10", "1F4.bmp", "}EOP",
                                     "{BOP", "1", "gumppic", "60", "60", "2A.BMP", "}EOP"});
    window->DRAWClick();
    settle();
    select(0);
    const std::pair<const char *, std::function<void()>> switches[] = {
        {"Highlight Selected", [&] { window->control<QAction>("HighlightSelected1")->trigger(); }},
        {"GumpPics", [&] { window->control<QAction>("GumpPics1")->trigger(); }},
        {"GumpPics back", [&] { window->control<QAction>("GumpPics1")->trigger(); }},
        {"page 1", [&] { window->control<SpinEdit>("CSpinEdit3")->setText(QStringLiteral("1")); }},
        {"Page 0 Beneath", [&] { window->control<QAction>("AlwaysDrawPage01")->trigger(); }},
    };
    for (const auto &[name, flip] : switches) {
        const QImage before = window->view().lastRender();
        flip();
        settle();
        EXPECT_NE(window->view().lastRender(), before) << name;
        EXPECT_TRUE(window->view().isCurrent(window->state())) << name;
    }
}

// After Remove, New and Open the Modify controls follow the empty selection.
TEST_F(MainWindowTest, ModifyPanelFollowsTheSelectionAfterRemoveNewAndOpen)
{
    writeFile(QStringLiteral("design.SDF"), Document::projectText(artLines));
    // Open and New come first: the undo stack is still clean, so neither asks to save.
    const std::pair<const char *, std::function<void()>> actions[] = {
        {"Open", [&] {
             modals->answerOpenFile(path(QStringLiteral("design.SDF")));
             window->Button1Click();
             settle();
         }},
        {"New", [&] { window->Button6Click(); }},
        {"Remove", [&] { window->REMOVEBUTClick(); }},
    };
    for (const auto &[name, act] : actions) {
        window->state().DATA = Document(artLines);
        settle();
        window->DRAWClick();
        settle();
        select(1);
        ASSERT_TRUE(window->control<SpinEdit>("CSpinEdit1")->isEnabled()) << name;
        ASSERT_FALSE(window->control<QPushButton>("EDITOPTIONS")->isHidden()) << name;
        act();
        settle();
        EXPECT_EQ(window->state().SelectedLine, 0) << name;
        for (QWidget *control : std::initializer_list<QWidget *>{window->control<SpinEdit>("CSpinEdit1"), window->control<SpinEdit>("CSpinEdit2"),
                                                                 window->control<QPushButton>("EDITOPTIONS"), window->control<QPushButton>("CHANGEIMAGE")})
            EXPECT_FALSE(control->isEnabled() && !control->isHidden()) << name << " " << control->objectName().toStdString();
        EXPECT_FALSE(window->control<QToolButton>("REMOVEBUT")->isEnabled()) << name;
    }
}

// "Autosave on Redraw" leaves the redraws of a closing window alone.
TEST_F(MainWindowTest, NoAutosaveOnRedrawOnceTheWindowCloses)
{
    writeTextFile(path(QStringLiteral("quillmark.INI")), QStringLiteral("[Files]\r\nAuto1=1\r\nAuto2=0\r\n"));
    window->control<TForm12>("Form12")->ReadSettings();
    settle();
    window->close();
    settle();
    window->state().DATA = Document(artLines);
    settle();
    window->DRAWClick();
    settle();
    window->finishAutosaves();
    settle();
    EXPECT_FALSE(QFileInfo::exists(AutoSaveRing::slotPath(window->state().AppDir, 0)));
}
