#include "app/forms/MainWindowFixture.h"
#include "app/forms/TForm4.h"
#include "assets/forms/TForm17.h"
#include "assets/forms/TForm3.h"
#include "assets/forms/TForm5.h"
#include "support/SyntheticFont.h"
#include "ui/forms/ColorSwatch.h"
#include "ui/forms/ImageView.h"

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
    window->Button5->click();

    EXPECT_EQ(window->Form3->SelectedHue, 1266);
    EXPECT_EQ(lines(), QStringList({"{BOP", "0", "text", "0", "0", "1266", "AA", "}EOP"}));
    EXPECT_TRUE(modals->messages(Modal::MessageKind::Error).isEmpty());
}
