#include "assets/HueLibrary.h"
#include "assets/TextConverter.h"
#include "support/SyntheticFont.h"
#include "support/TextFiles.h"
#include "windows/art/TForm17.h"
#include "windows/art/TForm18.h"
#include "windows/art/TForm3.h"
#include "windows/main/ScriptedModals.h"
#include "windows/widgets/ColorSwatch.h"

#include <QEventLoop>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

using Modal::MessageKind;

// The picker, the add window and the capture window wired as the program
// wires them, on a library in a scratch folder, without a main window.
class HueWindowsTest : public ::testing::Test
{
protected:
    HueWindowsTest()
    {
        picker.setAppDir(appDir());
        picker.setAddWindow(&add);
        picker.setLibraryRead([this] { ++libraryReads; });
        add.setAppDir(appDir());
        add.setPicker(&picker);
        add.setCaptureWindow(&capture);
        add.setLibraryRead([this] { ++libraryReads; });
    }

    QString appDir() const { return m_dir.path() + u'/'; }
    QString library() const { return readTextFile(HueLibrary::pathIn(appDir())); }
    void writeLibrary(const QString &text) const { writeTextFile(HueLibrary::pathIn(appDir()), text); }

    // `total` entries named "Hue n" with SPHERE n * 100.
    void writeNumberedLibrary(int total) const
    {
        QString text = QStringLiteral("[NORMALS]\r\nTOTAL=%1\r\n").arg(total);
        for (int n = 1; n <= total; ++n)
            text += QStringLiteral("[%1]\r\nNAME=Hue %1\r\nSPHERE=%2\r\n").arg(n).arg(n * 100);
        writeLibrary(text);
    }

    // Names the slots show; without a converter they are plain text.
    QStringList slotNames() const
    {
        QStringList names;
        for (const QLabel *image : picker.SlotImages)
            names << image->text();
        return names;
    }

    void pressDownArrow() { picker.ScrollBar1->triggerAction(QAbstractSlider::SliderSingleStepAdd); }

    QTemporaryDir m_dir;
    ScriptedModals modals;
    TForm3 picker;
    TForm17 add;
    TForm18 capture;
    int libraryReads = 0;
};

TEST_F(HueWindowsTest, PickerRangeFollowsTotalAndTheArrowsStepTen)
{
    writeNumberedLibrary(10);
    picker.ScrollBar1Change();
    EXPECT_EQ(picker.ScrollBar1->minimum(), 1);
    EXPECT_EQ(picker.ScrollBar1->maximum(), 1);
    EXPECT_EQ(picker.ScrollBar1->singleStep(), 10);
    EXPECT_EQ(picker.ScrollBar1->pageStep(), 20);
    pressDownArrow();
    EXPECT_EQ(picker.ScrollBar1->value(), 1);
    EXPECT_EQ(slotNames().first(), QStringLiteral("Hue 1"));
    EXPECT_EQ(slotNames().last(), QStringLiteral("Hue 10"));
    EXPECT_EQ(libraryReads, 1);

    writeNumberedLibrary(25);
    picker.ScrollBar1Change();
    EXPECT_EQ(picker.ScrollBar1->maximum(), 16);
    pressDownArrow();
    EXPECT_EQ(picker.ScrollBar1->value(), 11);
    EXPECT_EQ(slotNames().first(), QStringLiteral("Hue 11"));
    pressDownArrow();
    EXPECT_EQ(picker.ScrollBar1->value(), 16);
    EXPECT_EQ(slotNames().first(), QStringLiteral("Hue 16"));
    EXPECT_EQ(slotNames().last(), QStringLiteral("Hue 25"));
    pressDownArrow();
    EXPECT_EQ(picker.ScrollBar1->value(), 16);
    picker.ScrollBar1->triggerAction(QAbstractSlider::SliderPageStepSub);
    EXPECT_EQ(picker.ScrollBar1->value(), 1);
}

TEST_F(HueWindowsTest, FewerThanTenEntriesFallBackToOneAndShowDefaultsPastTotal)
{
    writeNumberedLibrary(25);
    picker.ScrollBar1Change();
    picker.ScrollBar1->setValue(16);

    writeNumberedLibrary(3);
    picker.ScrollBar1Change();   // the position is clamped without a second refresh
    EXPECT_EQ(picker.ScrollBar1->maximum(), 1);
    EXPECT_EQ(picker.ScrollBar1->value(), 1);
    EXPECT_EQ(slotNames().mid(2, 2), QStringList({"Hue 3", "Example"}));
    EXPECT_EQ(libraryReads, 3);   // the two refreshes and the move to 16
}

TEST_F(HueWindowsTest, OkReadsSphereOfPositionPlusSlotAtTheClick)
{
    writeNumberedLibrary(25);
    picker.ScrollBar1Change();
    pressDownArrow();
    picker.RadioButtons[3]->setChecked(true);

    // The file changes after the slots were drawn: Ok reads it afresh.
    writeLibrary(library().replace(QStringLiteral("SPHERE=1400"), QStringLiteral("SPHERE=0x4D")));
    modals.onWindow<TForm3>([](TForm3 &f) {
        f.reject();   // no cancel
        EXPECT_TRUE(f.isVisible());
        f.Button3->click();
    });
    EXPECT_EQ(Modal::exec(picker), QDialog::Accepted);
    EXPECT_EQ(picker.SelectedHue, 0x4D);

    // Position and checked slot are kept; a missing SPHERE reads 95.
    writeLibrary(library().replace(QStringLiteral("SPHERE=0x4D"), QString()));
    picker.show();
    picker.Button3->click();
    EXPECT_FALSE(picker.isVisible());
    EXPECT_EQ(picker.SelectedHue, 95);
}

// For an element's hue: the entry whose Sphere number it is comes checked and
// in view, every slot named; with no such entry none is checked, and Ok then
// keeps the hue.
TEST_F(HueWindowsTest, PreselectChecksTheEntryOfTheHueInView)
{
    writeNumberedLibrary(25);   // entry n has SPHERE n * 100
    const struct
    {
        std::optional<int> hue;
        int position;   // 0: wherever it stood
        int checked;    // -1: none
    } cases[] = {{300, 3, 0}, {2500, 16, 9}, {100, 1, 0}, {2000, 16, 4}, {38, 0, -1}, {1100, 11, 0}, {std::nullopt, 0, -1}};
    for (const auto &c : cases) {
        const int hueBefore = picker.SelectedHue;
        picker.preselect(c.hue);
        const int position = picker.ScrollBar1->value();
        if (c.position)
            EXPECT_EQ(position, c.position) << c.hue.value_or(-1);
        int checked = -1;
        for (int k = 0; k < 10; ++k)
            if (picker.RadioButtons[k]->isChecked())
                checked = k;
        EXPECT_EQ(checked, c.checked) << c.hue.value_or(-1);
        EXPECT_EQ(slotNames().first(), QStringLiteral("Hue %1").arg(position)) << c.hue.value_or(-1);
        EXPECT_EQ(slotNames().last(), QStringLiteral("Hue %1").arg(position + 9)) << c.hue.value_or(-1);

        picker.show();
        picker.Button3->click();
        EXPECT_FALSE(picker.isVisible());
        EXPECT_EQ(picker.chose(), c.checked >= 0);
        EXPECT_EQ(picker.SelectedHue, c.hue.value_or(hueBefore)) << c.hue.value_or(-1);
    }
}

TEST_F(HueWindowsTest, SphereThatIsNoNumberShowsTheErrorAndKeepsThePickerOpen)
{
    writeLibrary(QStringLiteral("[1]\r\nSPHERE=1152\r\n[2]\r\nSPHERE=12a\r\n[3]\r\nSPHERE=\r\n"));
    picker.ScrollBar1Change();
    picker.show();
    picker.Button3->click();
    EXPECT_EQ(picker.SelectedHue, 1152);

    picker.show();
    picker.RadioButtons[1]->setChecked(true);
    picker.Button3->click();
    picker.RadioButtons[2]->setChecked(true);
    picker.Button3->click();
    EXPECT_TRUE(picker.isVisible());
    EXPECT_EQ(picker.SelectedHue, 1152);
    EXPECT_EQ(modals.messages(MessageKind::Error),
              QStringList({"'12a' is not a valid integer value", "'' is not a valid integer value"}));
    picker.hide();
}

TEST_F(HueWindowsTest, UnreadableColourStopsTheRefreshAtItsSlot)
{
    writeNumberedLibrary(25);
    picker.ScrollBar1Change();
    writeLibrary(library().replace(QStringLiteral("[13]\r\n"), QStringLiteral("[13]\r\nCOLOR=mauve\r\n")));
    pressDownArrow();
    EXPECT_EQ(modals.messages(MessageKind::Error), QStringList({"'mauve' is not a valid integer value"}));
    // Entries 11 and 12 are shown; the slots from entry 13 on keep entries 3 on.
    EXPECT_EQ(slotNames().mid(0, 4), QStringList({"Hue 11", "Hue 12", "Hue 3", "Hue 4"}));
    EXPECT_EQ(libraryReads, 1);
}

// Slots drawn in the game's lettering: a font whose "A" has its body at
// columns 1-3, rows 4-10, inside an outline ring, advance 5.
TEST_F(HueWindowsTest, SlotsShowNamesInTheEntryColourOnSeeThroughPaper)
{
    using namespace SyntheticFont;
    const TextConverter converter(BitmapFontFile::read(fileBytes({glyph("A.BMP", "5", boxRows(1, 4, 3, 10))})));
    picker.setConverter(&converter);
    writeLibrary(QStringLiteral("[NORMALS]\r\nTOTAL=12\r\n"
                                "[1]\r\nNAME=A\r\nCOLOR=clRed\r\n"
                                "[2]\r\nNAME=AA\r\nCOLOR=$00a0b0c0\r\n"
                                "[3]\r\nNAME=%1\r\nCOLOR=clLime\r\n").arg(QString(40, u'A')));
    picker.ScrollBar1Change();

    const auto pixel = [this](int slot, int x, int y) {
        return picker.SlotImages[slot]->pixmap().toImage().pixel(x, y);
    };
    EXPECT_EQ(picker.SlotImages[0]->pixmap().size(), QSize(5, 21));
    EXPECT_EQ(pixel(0, 2, 6), 0xFFFF0000u);              // body in clRed
    EXPECT_EQ(pixel(0, 0, 3), 0xFF101021u);              // outline as drawn
    EXPECT_EQ(qAlpha(pixel(0, 2, 0)), 0);                // paper see-through
    EXPECT_EQ(pixel(1, 7, 6), 0xFFC0B0A0u);              // 0x00A0B0C0, second glyph
    EXPECT_EQ(picker.SlotImages[2]->pixmap().width(), 161); // cut to the slot
    EXPECT_EQ(pixel(2, 157, 6), 0xFF00FF00u);
    // "Example" has no glyphs in this font: an empty picture, nothing else.
    EXPECT_TRUE(picker.SlotImages[3]->pixmap().isNull());
    EXPECT_TRUE(picker.SlotImages[3]->text().isEmpty());
}

TEST_F(HueWindowsTest, AddNewColorShowsTheAddWindowModally)
{
    modals.onWindow<TForm17>([](TForm17 &f) {
        f.reject();   // no close box: only Close closes it
        EXPECT_TRUE(f.isVisible());
        f.Button3->click();
    });
    picker.Button1->click();
    EXPECT_EQ(modals.windowCaptions(), QStringList({"Add Text Color"}));
}

TEST_F(HueWindowsTest, AddWritesTotalThenTheKeysAndRefreshesThePickerWhileStayingOpen)
{
    writeLibrary(QStringLiteral("; hand notes\r\n[NORMALS]\r\nTOTAL=10\r\n[1]\r\nNAME=Old\r\nSPHERE=95\r\n"));
    picker.ScrollBar1Change();
    ASSERT_EQ(picker.ScrollBar1->maximum(), 1);
    libraryReads = 0;

    add.show();
    add.Edit2->setText(QStringLiteral("Sea Foam"));
    add.Edit1->setText(QStringLiteral(" 1266 "));   // as typed
    add.Shape1->setColor(0x00A0B0C0);
    add.Button2->click();

    EXPECT_EQ(library().toStdString(), "; hand notes\r\n[NORMALS]\r\nTOTAL=11\r\n[1]\r\nNAME=Old\r\nSPHERE=95\r\n"
                                       "\r\n[11]\r\nNAME=Sea Foam\r\nCOLOR=$00a0b0c0\r\nSPHERE= 1266 \r\n");
    EXPECT_EQ(picker.ScrollBar1->maximum(), 2);
    EXPECT_EQ(picker.ScrollBar1->value(), 1);
    EXPECT_EQ(slotNames().first(), QStringLiteral("Old"));
    EXPECT_EQ(libraryReads, 2);   // the picker's refresh, then once more
    EXPECT_TRUE(add.isVisible());
    EXPECT_EQ(add.Edit2->text(), QStringLiteral("Sea Foam"));

    add.Shape1->setColor(0x0000FF);
    add.Button2->click();
    EXPECT_TRUE(library().endsWith(QStringLiteral("[12]\r\nNAME=Sea Foam\r\nCOLOR=clRed\r\nSPHERE= 1266 \r\n")));
    EXPECT_EQ(picker.ScrollBar1->maximum(), 3);
    add.Button3->click();
    EXPECT_FALSE(add.isVisible());
    EXPECT_TRUE(modals.messages(MessageKind::Error).isEmpty());
}

TEST_F(HueWindowsTest, AddToALibraryThatCannotBeWrittenShowsTheErrorAndRefreshesNothing)
{
    const QString missing = appDir() + QStringLiteral("gone/");
    add.setAppDir(missing);
    add.show();
    add.Edit2->setText(QStringLiteral("Sea Foam"));
    add.Edit1->setText(QStringLiteral("1266"));
    add.Button2->click();
    EXPECT_EQ(modals.messages(MessageKind::Error),
              QStringList({QStringLiteral("Unable to write to ") + HueLibrary::pathIn(missing)}));
    EXPECT_EQ(libraryReads, 0);
    EXPECT_TRUE(add.isVisible());
    add.hide();
}

TEST_F(HueWindowsTest, ChooseStartsFromTheSwatchAndKeepsItWhenCancelled)
{
    EXPECT_EQ(add.Shape1->color(), 0xFFFFFFu);   // white at first
    modals.answerColor(QColor(0x12, 0x34, 0x56));
    add.Button1->click();
    EXPECT_EQ(add.Shape1->color(), 0x563412u);
    modals.answerColor(std::nullopt);
    add.Button1->click();
    EXPECT_EQ(add.Shape1->color(), 0x563412u);

    QStringList initial;
    for (const ScriptedModals::Shown &s : modals.shown())
        initial << s.text;
    EXPECT_EQ(initial, QStringList({"#ffffff", "#123456"}));
}

TEST_F(HueWindowsTest, CaptureCountsDownThenTakesThePixelUnderThePointer)
{
    QList<QPoint> readAt;
    capture.PointerPosition = [] { return QPoint(40, 30); };
    capture.ScreenDC = [&readAt](QPoint p) -> std::optional<ColorValue> {
        readAt << p;
        return 0x00A0B0C0;
    };
    modals.onWindow<TForm18>([&](TForm18 &c) {
        EXPECT_EQ(c.Label1->text(), QStringLiteral("MOVE THE MOUSE INTO POSISION"));
        EXPECT_EQ(c.Label2->text(), QStringLiteral("Capture in 3 Seconds"));
        EXPECT_TRUE(c.Timer1->isActive());
        EXPECT_EQ(c.Timer1->interval(), 1000);
        EXPECT_EQ(c.CaptureTicks, 2);
        c.reject();   // cannot be cut short
        for (const char *left : {"2", "1", "0"}) {
            c.Timer1Timer();
            EXPECT_EQ(c.Label2->text(), QStringLiteral("Capture in %1 Seconds").arg(left));
        }
        EXPECT_TRUE(c.isVisible());
        EXPECT_TRUE(readAt.isEmpty());
        c.Timer1Timer();
        EXPECT_FALSE(c.isVisible());
        EXPECT_FALSE(c.Timer1->isActive());
        EXPECT_EQ(c.CaptureTicks, 0);
    });
    add.Button4->click();
    EXPECT_EQ(readAt, QList<QPoint>({QPoint(40, 30)}));
    EXPECT_EQ(add.Shape1->color(), 0x00A0B0C0u);
}

TEST_F(HueWindowsTest, CaptureRunsOnItsTimerAndAnUnreadableScreenKeepsTheSwatch)
{
    capture.ScreenDC = [](QPoint) -> std::optional<ColorValue> { return std::nullopt; };
    add.Shape1->setColor(0x0000FF);
    QStringList countdown;
    modals.onWindow<TForm18>([&](TForm18 &c) {
        countdown << c.Label2->text();
        QObject::connect(c.Timer1, &QTimer::timeout, &c, [&] { countdown << c.Label2->text(); });
        c.Timer1->setInterval(1);
        QEventLoop loop;
        QObject::connect(&c, &QDialog::finished, &loop, &QEventLoop::quit);
        QTimer::singleShot(5000, &loop, &QEventLoop::quit);
        loop.exec();
    });
    add.Button4->click();
    EXPECT_EQ(countdown, QStringList({"Capture in 3 Seconds", "Capture in 2 Seconds", "Capture in 1 Seconds",
                                      "Capture in 0 Seconds", "Capture in 0 Seconds"}));
    EXPECT_EQ(add.Shape1->color(), 0x0000FFu);
    EXPECT_EQ(capture.CaptureTicks, 0);
}

// The reader the capture window starts with, on the windows the screen shows.
TEST_F(HueWindowsTest, DefaultScreenReaderReadsThePixelOfAShownWindow)
{
    ColorSwatch shown;
    shown.setColor(0x00336699);
    shown.setGeometry(200, 150, 40, 40);
    shown.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&shown));
    shown.repaint();
    std::optional<ColorValue> read;
    capture.PointerPosition = [] { return QPoint(220, 170); };
    const TForm18::ScreenReader screen = capture.ScreenDC;
    capture.ScreenDC = [&](QPoint p) { return read = screen(p); };
    capture.CaptureTicks = 5;
    capture.Timer1Timer();
    ASSERT_TRUE(read.has_value());
    EXPECT_EQ(*read, 0x00336699u);
    EXPECT_EQ(add.Shape1->color(), 0x00336699u);
    EXPECT_FALSE(screen(QPoint(-5000, -5000)).has_value());   // off every screen
}

} // namespace
