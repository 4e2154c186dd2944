#include "support/SyntheticFont.h"
#include "windows/art/TForm3.h"
#include "windows/art/TForm6.h"
#include "windows/elements/TForm11.h"
#include "windows/elements/TForm2.h"
#include "windows/elements/TForm4.h"
#include "windows/main/MainWindowFixture.h"
#include "windows/widgets/ImageView.h"
#include "windows/widgets/SpinEdit.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>

TEST_F(MainWindowTest, AddGumppicThroughThePicker)
{
    modals->onWindow<TForm2>([](TForm2 &p) {
        EXPECT_EQ(p.files(), QStringList({"1F4.bmp", "2A.BMP"}));
        EXPECT_FALSE(p.ButtonMode);
        EXPECT_FALSE(p.ResizepicMode);
        p.selectFile(QStringLiteral("2A.BMP"));
        EXPECT_EQ(p.Image1->picture().size(), QSize(8, 6)); // the preview
        p.Button1->click();
    });
    window->control<QPushButton>("Button4")->click();
    settle();
    EXPECT_EQ(lines(), QStringList({"{BOP", "0", "gumppic", "0", "0", "2A.BMP", "}EOP"}));
    EXPECT_EQ(window->control<QComboBox>("ComboBox1")->count(), 1);
    EXPECT_EQ(window->control<QComboBox>("ComboBox1")->currentIndex(), -1); // the new element is not selected
}

TEST_F(MainWindowTest, AddResizepicAndButtonListTheirFolders)
{
    modals->onWindow<TForm2>([](TForm2 &p) {
        EXPECT_TRUE(p.ResizepicMode);
        EXPECT_EQ(p.files(), QStringList({"9200.Bmp"}));
        p.selectFile(QStringLiteral("9200.Bmp"));
        p.Button1->click();
    });
    window->Button15Click();
    settle();
    EXPECT_EQ(lines(), QStringList({"{BOP", "0", "resizepic", "0", "0", "9200.Bmp", "100", "100", "}EOP"}));

    modals->onWindow<TForm2>([](TForm2 &p) {
        EXPECT_TRUE(p.ButtonMode);
        EXPECT_EQ(p.files(), QStringList({"okay.bmp"}));
        p.selectFile(QStringLiteral("okay.bmp"));
        p.Button1->click();
    });
    modals->onWindow<TForm11>([](TForm11 &f) { f.Button1->click(); });
    window->Button3Click();
    settle();
    EXPECT_EQ(lines().mid(8), QStringList({"button", "0", "0", "okay.bmp", "0", "0", "0", "", "}EOP"}));
}

TEST_F(MainWindowTest, PickerWarnsWithoutASelectionAndCancelChangesNothing)
{
    modals->onWindow<TForm2>([](TForm2 &p) {
        p.Button1->click(); // nothing chosen: a warning, and the picker stays open
        EXPECT_TRUE(p.isVisible());
        p.Button2->click();
    });
    window->Button3Click(); // a button: no options window after a cancel
    EXPECT_EQ(modals->messages(Modal::MessageKind::Warning), QStringList({"Select an image please"}));
    EXPECT_EQ(modals->shown().at(1).caption, QStringLiteral("Warning"));
    EXPECT_EQ(modals->windowCaptions(), QStringList({"Select Image for Pic"}));
    EXPECT_TRUE(window->state().PickerCancelled);
    EXPECT_EQ(lines(), QStringList({"{BOP", "0", "}EOP"}));
}

TEST_F(MainWindowTest, AddOtherGumpOpensTheArtWindowOrWarns)
{
    modals->onWindow<TForm2>([this](TForm2 &p) {
        // Art added meanwhile is listed after the art window closes.
        modals->onWindow<TForm6>([this](TForm6 &f) {
            writeBitmap(QStringLiteral("DATA/buttons/new.bmp"));
            f.accept();
        });
        p.Button3->click();
        EXPECT_EQ(p.files(), QStringList({"new.bmp", "okay.bmp"}));
        p.Button2->click();
    });
    window->Button3Click();
    settle();

    modals->onWindow<TForm2>([](TForm2 &p) {
        p.Button3->click();
        p.Button2->click();
    });
    window->Button15Click();
    settle();
    EXPECT_EQ(modals->messages(Modal::MessageKind::Warning),
              QStringList({"This Feature is not added due to stability"}));
}

TEST_F(MainWindowTest, ButtonOptionsKeepTheirValuesBetweenAdds)
{
    scriptPicker(QStringLiteral("okay.bmp"));
    modals->onWindow<TForm11>([](TForm11 &f) {
        EXPECT_FALSE(f.CheckBox1->isChecked());
        EXPECT_EQ(f.CSpinEdit1->text(), QStringLiteral("0"));
        f.CheckBox1->setChecked(true);
        f.CSpinEdit1->setText(QStringLiteral("-2")); // below 1 becomes "0" at once
        EXPECT_EQ(f.CSpinEdit1->text(), QStringLiteral("0"));
        f.CSpinEdit1->setText(QStringLiteral("2"));
        f.Memo1->setPlainText(QStringLiteral("say hi\nsay bye"));
        f.Button1->click();
    });
    window->Button3Click();
    settle();

    scriptPicker(QStringLiteral("okay.bmp"));
    modals->onWindow<TForm11>([](TForm11 &f) {
        EXPECT_TRUE(f.CheckBox1->isChecked());
        EXPECT_EQ(f.CSpinEdit1->text(), QStringLiteral("2"));
        EXPECT_EQ(f.Memo1->toPlainText(), QStringLiteral("say hi\nsay bye"));
        f.Button1->click();
    });
    window->Button3Click();
    settle();

    const QStringList record = {"button", "0", "0", "okay.bmp", "1", "2", "1", "say hi\r\nsay bye"};
    EXPECT_EQ(lines(), QStringList({"{BOP", "0"}) + record + record + QStringList({"}EOP"}));
}

TEST_F(MainWindowTest, AddTextTakesTheHueAndTheTypedText)
{
    writeFile(QStringLiteral("ColorLibary.INI"),
              "[NORMALS]\r\nTOTAL=10\r\n[1]\r\nNAME=Red\r\nCOLOR=clRed\r\nSPHERE=38\r\n"
              "[2]\r\nNAME=White\r\nCOLOR=clWhite\r\nSPHERE=1152\r\n");
    modals->onWindow<TForm3>([](TForm3 &f) {
        EXPECT_EQ(f.SlotImages[1]->text(), QStringLiteral("White")); // refreshed before showing
        f.RadioButtons[1]->setChecked(true);
        f.reject(); // no cancel: Escape does not close it
        EXPECT_TRUE(f.isVisible());
        f.Button3->click();
    });
    modals->onWindow<TForm4>([](TForm4 &f) {
        QTest::keyClicks(f.Edit1, QStringLiteral("Hi {there}"));
        QTest::keyClick(f.Edit1, Qt::Key_Return); // Enter closes
    });
    window->control<QPushButton>("Button5")->click();
    settle();
    EXPECT_EQ(window->control<TForm3>("Form3")->SelectedHue, 1152);
    EXPECT_EQ(lines(), QStringList({"{BOP", "0", "text", "0", "0", "1152", "Hi {there}", "}EOP"}));

    // Without a library the first slot's hue is 95; the text window keeps its text.
    QFile::remove(path(QStringLiteral("ColorLibary.INI")));
    modals->onWindow<TForm3>([](TForm3 &f) {
        f.RadioButtons[0]->setChecked(true);
        f.Button3->click();
    });
    modals->onWindow<TForm4>([](TForm4 &f) {
        EXPECT_EQ(f.text(), QStringLiteral("Hi {there}"));
        f.Button1->click();
    });
    window->Button5Click();
    settle();
    EXPECT_EQ(lines().mid(7, 5), QStringList({"text", "0", "0", "95", "Hi {there}"}));
}

TEST_F(MainWindowTest, AddingToAPageWithoutBracketAppendsOne)
{
    window->control<SpinEdit>("CSpinEdit3")->stepBy(1);
    settle();
    writeFile(QStringLiteral("page0.sdf"), "{BOP\r\n0\r\n}EOP\r\n");
    modals->answerSaveChanges(Modal::SaveAnswer::Discard);
    modals->answerOpenFile(path(QStringLiteral("page0.sdf")));
    window->Button1Click();
    settle();
    // The open shows the design's page 0; the page box is left on page 1, which has no bracket.
    ASSERT_EQ(window->control<SpinEdit>("CSpinEdit3")->text(), QStringLiteral("0"));
    window->state().Page = QStringLiteral("1");
    settle();

    scriptPicker(QStringLiteral("1F4.bmp"));
    window->Button4Click();
    settle();
    EXPECT_EQ(lines(), QStringList({"{BOP", "0", "}EOP", "{BOP", "1", "gumppic", "0", "0", "1F4.bmp", "}EOP"}));
}

TEST_F(MainWindowTest, RemovingTheLastElementLeavesTheEmptyBracket)
{
    scriptPicker(QStringLiteral("1F4.bmp"));
    window->Button4Click();
    settle();
    select(0);
    window->control<QToolButton>("REMOVEBUT")->click();
    settle();
    EXPECT_EQ(lines(), QStringList({"{BOP", "0", "}EOP"}));
    EXPECT_EQ(window->state().SelectedLine, 0);
    EXPECT_FALSE(window->control<QToolButton>("REMOVEBUT")->isEnabled());
    // The boxes stay in place, empty and disabled.
    EXPECT_FALSE(window->control<SpinEdit>("CSpinEdit1")->isHidden());
    EXPECT_FALSE(window->control<SpinEdit>("CSpinEdit1")->isEnabled());
    EXPECT_TRUE(window->control<SpinEdit>("CSpinEdit1")->text().isEmpty());
    EXPECT_FALSE(window->control<QPushButton>("CHANGEIMAGE")->isEnabled());
    EXPECT_FALSE(window->control<QAction>("RemoveSelected1")->isEnabled());
    EXPECT_EQ(window->control<QComboBox>("ComboBox1")->count(), 0);
}

TEST_F(MainWindowTest, CloneTwiceThenSendToBackAndFront)
{
    window->state().DATA = Document({"{BOP", "0", "gumppic", "10", "20", "1F4.bmp",
                                     "text", "5", "5", "0", "Hi", "}EOP"});
    window->DRAWClick();
    settle();
    select(0);
    window->control<QAction>("Clone1")->trigger();
    settle();
    window->control<QAction>("Clone1")->trigger();
    settle();
    EXPECT_EQ(window->state().SelectedLine, 2); // stays on the source
    EXPECT_EQ(lines().mid(11, 8), QStringList({"gumppic", "20", "30", "1F4.bmp", "gumppic", "20", "30", "1F4.bmp"}));
    EXPECT_EQ(window->control<QComboBox>("ComboBox1")->count(), 4);

    // The first element to the back, the last to the front: no change, selection cleared.
    const QStringList before = lines();
    window->control<QAction>("SendSelectedtoFront1")->trigger();
    settle();
    EXPECT_EQ(lines(), before);
    EXPECT_EQ(window->state().SelectedLine, 0);
    EXPECT_EQ(window->control<QComboBox>("ComboBox1")->currentIndex(), -1);
    EXPECT_FALSE(window->control<SpinEdit>("CSpinEdit1")->isHidden());
    EXPECT_FALSE(window->control<SpinEdit>("CSpinEdit1")->isEnabled());
    EXPECT_FALSE(window->control<QAction>("SendSelectedtoFront1")->isEnabled());

    select(3);
    window->control<QAction>("SemdSelectedtoBack1")->trigger();
    settle();
    EXPECT_EQ(lines(), before);
    EXPECT_EQ(window->state().SelectedLine, 0);

    select(1); // the text to the front
    window->control<QAction>("SemdSelectedtoBack1")->trigger();
    settle();
    EXPECT_EQ(lines().mid(14, 5), QStringList({"text", "5", "5", "0", "Hi"}));
    EXPECT_EQ(lines().last(), QStringLiteral("}EOP"));
}

TEST_F(MainWindowTest, CloneOfABadNumberShowsTheConversionError)
{
    window->state().DATA = Document({"{BOP", "0", "gumppic", "x", "20", "1F4.bmp", "}EOP"});
    settle();
    window->DRAWClick();
    settle();
    select(0);
    window->control<QAction>("Clone1")->trigger();
    settle();
    EXPECT_EQ(modals->messages(Modal::MessageKind::Error), QStringList({"'x' is not a valid integer value"}));
    EXPECT_EQ(lines().size(), 7);
}

TEST_F(MainWindowTest, TextPreviewIsDrawnInTheChosenHuesColour)
{
    QStringList rows = SyntheticFont::boxRows(1, 1, 4, 10);
    writeFile(QStringLiteral("UO0.CORE"), SyntheticFont::fileBytes({SyntheticFont::glyph("A.BMP", "6", rows)}));
    writeFile(QStringLiteral("ColorLibary.INI"), "[1]\r\nCOLOR=clRed\r\nSPHERE=38\r\n");
    window = std::make_unique<TForm1>();
    boot();
    ASSERT_TRUE(window->textConverter().hasFont());

    window->control<TForm3>("Form3")->SelectedHue = 38;
    window->control<TForm4>("Form4")->setText(QStringLiteral("AA"));
    settle();
    window->control<TForm4>("Form4")->UPDATERTimer();
    settle();
    const QImage preview = window->control<TForm4>("Form4")->Image1->picture();
    ASSERT_FALSE(preview.isNull());
    EXPECT_EQ(preview.height(), 21);
    EXPECT_TRUE(preview.pixelColor(2, 2) == QColor(Qt::red));
}
