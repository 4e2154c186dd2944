#include "windows/art/TForm3.h"
#include "assets/HueLibrary.h"
#include "assets/TextConverter.h"
#include "windows/widgets/EventGuard.h"
#include "windows/widgets/Modal.h"
#include "windows/widgets/PagelessScrollBar.h"

#include <QButtonGroup>
#include <QLabel>
#include <QBitmap>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>

#include <algorithm>

namespace {
constexpr int SlotCount = HueLibrary::slotCount;
constexpr int SlotPitch = 28;
constexpr int SlotWidth = 161;
constexpr int SlotHeight = 21;
} // namespace

TForm3::TForm3(QWidget *parent) : FixedDialog(parent, QStringLiteral("Color of text"))
{
    // Ten slots 28 pixels apart, with the buttons below them.
    setFixedSize(202, SlotCount * SlotPitch + 44);
    setEscapeCloses(false);

    ScrollBar1 = new PagelessScrollBar(Qt::Vertical, this);
    ScrollBar1->setGeometry(0, 0, 16, SlotCount * SlotPitch);
    ScrollBar1->setRange(1, 1);
    ScrollBar1->setSingleStep(10);
    ScrollBar1->setPageStep(20);

    auto *group = new QButtonGroup(this);
    for (int k = 0; k < SlotCount; ++k) {
        RadioButtons[k] = new QRadioButton(this);
        RadioButtons[k]->setGeometry(20, 4 + k * SlotPitch, 18, SlotHeight);
        group->addButton(RadioButtons[k]);
        SlotImages[k] = new QLabel(this);
        SlotImages[k]->setGeometry(38, 4 + k * SlotPitch, SlotWidth, SlotHeight);
    }
    RadioButtons[0]->setChecked(true);

    Button3 = new QPushButton(QStringLiteral("Ok"), this);
    Button3->setGeometry(118, SlotCount * SlotPitch + 10, 76, 26);
    Button1 = new QPushButton(QStringLiteral("Add new Color"), this);
    Button1->setGeometry(8, SlotCount * SlotPitch + 10, 106, 26);

    EventGuard::connect(ScrollBar1, &QScrollBar::valueChanged, this, &TForm3::ScrollBar1Change);
    EventGuard::connect(Button3, &QPushButton::clicked, this, &TForm3::Button3Click);
    EventGuard::connect(Button1, &QPushButton::clicked, this, &TForm3::Button1Click);
}

void TForm3::ScrollBar1Change()
{
    const HueLibrary library(m_appDir);
    {
        const QSignalBlocker quiet(ScrollBar1); // a clamped position must not refresh twice
        ScrollBar1->setMaximum(library.pickerMaximum());
    }
    const QList<HueSlot> entries = library.pickerSlots(ScrollBar1->value());
    for (int k = 0; k < SlotCount && k < entries.size(); ++k) {
        const ColorValue TextColor = entries[k].color();
        QLabel *image = SlotImages[k];
        if (m_converter && m_converter->hasFont()) {
            QImage name = m_converter->render(entries[k].name, TextColor);
            if (name.width() > SlotWidth)
                name = name.copy(0, 0, SlotWidth, name.height());
            // White paper is see-through, as on the canvas.
            QPixmap picture = QPixmap::fromImage(name);
            picture.setMask(picture.createMaskFromColor(Qt::white));
            image->setPixmap(picture);
        } else {
            image->setText(entries[k].name);
            image->setStyleSheet(QStringLiteral("color: %1; font-weight: bold;").arg(ColorText::toQColor(TextColor).name()));
        }
    }
    if (m_libraryRead)
        m_libraryRead();
}

void TForm3::preselect(std::optional<int> hue)
{
    const HueLibrary library(m_appDir);
    const std::optional<qint64> entry = hue ? library.entryOfHue(*hue) : std::nullopt;
    QButtonGroup *group = RadioButtons[0]->group();
    group->setExclusive(false);   // an exclusive group cannot show none checked
    for (QRadioButton *button : RadioButtons)
        button->setChecked(false);
    group->setExclusive(true);
    if (hue)
        SelectedHue = *hue;
    {
        const QSignalBlocker quiet(ScrollBar1);   // one refresh, below
        ScrollBar1->setMaximum(library.pickerMaximum());
        if (entry) {
            // The entry in the top slot, or lower down when the list ends before ten more.
            ScrollBar1->setValue(int(std::clamp<qint64>(*entry, 1, ScrollBar1->maximum())));
            const qint64 slot = *entry - ScrollBar1->value();
            if (slot >= 0 && slot < SlotCount)
                RadioButtons[size_t(slot)]->setChecked(true);
        }
    }
    ScrollBar1Change();
}

void TForm3::Button3Click()
{
    for (int k = 0; k < SlotCount; ++k) {
        if (RadioButtons[k]->isChecked()) {
            SelectedHue = HueLibrary(m_appDir).selectedHue(ScrollBar1->value(), k);
            m_chose = true;
            accept();
            return;
        }
    }
    m_chose = false;   // SelectedHue stays what preselect() was given
    accept();
}

void TForm3::Button1Click()
{
    if (m_addWindow)
        Modal::exec(*m_addWindow);
}
