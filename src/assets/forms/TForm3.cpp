#include "assets/forms/TForm3.h"
#include "platform/ColorText.h"
#include "platform/IniFile.h"
#include "platform/NumberText.h"
#include "ui/forms/EventGuard.h"
#include "ui/forms/Modal.h"

#include <QButtonGroup>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>

namespace {
constexpr int SlotCount = 10;
constexpr int SlotPitch = 28;
} // namespace

TForm3::TForm3(QWidget *parent) : FixedDialog(parent, QStringLiteral("Color of text"))
{
    // Ten slots 28 pixels apart, with the buttons below them.
    setFixedSize(202, SlotCount * SlotPitch + 44);
    setEscapeCloses(false);

    ScrollBar1 = new QScrollBar(Qt::Vertical, this);
    ScrollBar1->setGeometry(0, 0, 16, SlotCount * SlotPitch);
    ScrollBar1->setRange(1, 1);
    ScrollBar1->setSingleStep(10);
    ScrollBar1->setPageStep(20);

    auto *group = new QButtonGroup(this);
    for (int k = 0; k < SlotCount; ++k) {
        RadioButtons[k] = new QRadioButton(this);
        RadioButtons[k]->setGeometry(20, 4 + k * SlotPitch, 18, 21);
        group->addButton(RadioButtons[k]);
        SlotImages[k] = new QLabel(this);
        SlotImages[k]->setGeometry(38, 4 + k * SlotPitch, 161, 21);
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

QString TForm3::libraryPath() const
{
    return m_appDir + QStringLiteral("ColorLibary.INI");
}

void TForm3::ScrollBar1Change()
{
    const IniFile library(libraryPath());
    const int total = library.readInteger(QStringLiteral("NORMALS"), QStringLiteral("TOTAL"), 10);
    {
        const QSignalBlocker quiet(ScrollBar1); // a clamped position must not refresh twice
        ScrollBar1->setMaximum(std::max(1, total - 9));
    }
    for (int k = 0; k < SlotCount; ++k) {
        const QString section = QString::number(ScrollBar1->value() + k);
        const ColorValue color = ColorText::fromText(
            library.readString(section, QStringLiteral("COLOR"), QStringLiteral("clBlack")));
        SlotImages[k]->setText(library.readString(section, QStringLiteral("NAME"), QStringLiteral("Example")));
        SlotImages[k]->setStyleSheet(QStringLiteral("color: %1; font-weight: bold;")
                                         .arg(ColorText::toQColor(color).name()));
    }
}

void TForm3::Button3Click()
{
    const IniFile library(libraryPath());
    for (int k = 0; k < SlotCount; ++k) {
        if (!RadioButtons[k]->isChecked())
            continue;
        const QString section = QString::number(ScrollBar1->value() + k);
        SelectedHue = NumberText::parse(library.readString(section, QStringLiteral("SPHERE"), QStringLiteral("95")));
        accept();
    }
}

void TForm3::Button1Click()
{
    if (m_addWindow)
        Modal::exec(*m_addWindow);
}
