#include "support/SyntheticFont.h"
#include "windows/art/TForm17.h"
#include "windows/art/TForm3.h"
#include "windows/elements/TForm4.h"
#include "windows/main/MainWindowFixture.h"
#include "windows/widgets/ColorSwatch.h"
#include "windows/widgets/ImageView.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

// A hue added from the picker during "Add Text" can be chosen at once, and
// the text index knows it: the preview draws in its colour.
TEST_F(MainWindowTest, HueAddedFromThePickerIsChosenAndColoursTheText)
{
    writeFile(QStringLiteral("UO0.CORE"),
              SyntheticFont::fileBytes({SyntheticFont::glyph("A.BMP", "6", SyntheticFont::boxRows(1, 1, 4, 10))}));
    writeFile(QStringLiteral("ColorLibary.INI"), "[NORMALS]\r\nTOTAL=10\r\n[1]\r\nSPHERE=95\r\n");
    window = std::make_unique<TForm1>();
    boot();

    modals->onWindow<TForm3>([](TForm3 &picker) {
        ASSERT_EQ(picker.ScrollBar1->maximum(), 1);
        picker.Button1->click();   // "Add new Color"
        EXPECT_EQ(picker.ScrollBar1->maximum(), 2);
        picker.ScrollBar1->setValue(2);
        picker.RadioButtons[9]->setChecked(true);   // entry 11
        picker.Button3->click();
    });
    modals->onWindow<TForm17>([](TForm17 &add) {
        add.Edit2->setText(QStringLiteral("Ocean"));
        add.Edit1->setText(QStringLiteral("1266"));
        add.Shape1->setColor(0x0000FF);
        add.Button2->click();
        add.Button3->click();
    });
    modals->onWindow<TForm4>([](TForm4 &text) {
        text.setText(QStringLiteral("AA"));
        text.UPDATERTimer();
        const QImage preview = text.Image1->picture();
        ASSERT_FALSE(preview.isNull());
        EXPECT_TRUE(preview.pixelColor(2, 2) == QColor(Qt::red));
        text.Button1->click();
    });
    window->control<QPushButton>("Button5")->click();
    settle();

    EXPECT_EQ(window->control<TForm3>("Form3")->SelectedHue, 1266);
    EXPECT_EQ(lines(), QStringList({"{BOP", "0", "text", "0", "0", "1266", "AA", "}EOP"}));
    EXPECT_TRUE(modals->messages(Modal::MessageKind::Error).isEmpty());
}

// Opening a text's options and pressing Ok in both windows changes nothing,
// whichever hue it has; the picker shows the library entry of that hue.
TEST_F(MainWindowTest, EditingATextKeepsItsHue)
{
    writeFile(QStringLiteral("ColorLibary.INI"),
              "[NORMALS]\r\nTOTAL=12\r\n[1]\r\nNAME=Snow White\r\nSPHERE=1152\r\n[2]\r\nNAME=Sky Blue\r\nSPHERE=95\r\n"
              "[3]\r\nNAME=Moss Green\r\nSPHERE=995\r\n[4]\r\nNAME=Amber\r\nSPHERE=455\r\n"
              "[12]\r\nNAME=Late\r\nSPHERE=1345\r\n");
    const struct
    {
        const char *hue;
        QString shown;   // the name beside the checked slot; empty: none checked
    } cases[] = {{"455", "Amber"}, {"95", "Sky Blue"}, {"1345", "Late"}, {"38", ""}, {"1152", "Snow White"}};
    for (const auto &c : cases) {
        const QStringList design{"{BOP", "0", "text", "40", "50", QString::fromLatin1(c.hue), "Hello", "}EOP"};
        writeFile(QStringLiteral("t.SDF"), Document::projectText(design));
        modals->answerOpenFile(path(QStringLiteral("t.SDF")));
        window->Button1Click();
        settle();
        QString shown;
        modals->onWindow<TForm3>([&](TForm3 &picker) {
            for (int k = 0; k < 10; ++k)
                if (picker.RadioButtons[k]->isChecked())
                    shown = picker.SlotImages[k]->text();
            for (const QLabel *name : picker.SlotImages)
                EXPECT_FALSE(name->text().isEmpty() && name->pixmap().isNull()) << c.hue;
            picker.Button3->click();
        });
        modals->onWindow<TForm4>([](TForm4 &text) { text.Button1->click(); });
        select(0);
        window->control<QPushButton>("EDITOPTIONS")->click();   // what a double-click on a text runs
        EXPECT_TRUE(modals->finished()) << c.hue;
        EXPECT_EQ(shown, c.shown) << c.hue;
        EXPECT_EQ(lines(), design) << c.hue;
    }
}
