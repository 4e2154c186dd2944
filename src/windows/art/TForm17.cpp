#include "windows/art/TForm17.h"
#include "assets/HueLibrary.h"
#include "platform/NumberText.h"
#include "windows/art/TForm18.h"
#include "windows/art/TForm3.h"
#include "windows/widgets/ColorSwatch.h"
#include "windows/widgets/EventGuard.h"
#include "windows/widgets/Modal.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

TForm17::TForm17(QWidget *parent) : FixedDialog(parent, QStringLiteral("Add Text Color"))
{
    setFixedSize(266, 121);
    setEscapeCloses(false);

    const auto label = [this](const QString &text, int top) {
        auto *l = new QLabel(text, this);
        l->setGeometry(6, top, 92, 22);
        return l;
    };
    label(QStringLiteral("Name of color"), 4);
    Edit2 = new QLineEdit(this);
    Edit2->setGeometry(100, 4, 160, 22);
    label(QStringLiteral("Sphere number"), 30);
    Edit1 = new QLineEdit(this);
    Edit1->setGeometry(100, 30, 160, 22);
    label(QStringLiteral("Display Color"), 62);
    Shape1 = new ColorSwatch(this);
    Shape1->setGeometry(100, 56, 33, 33);
    Button1 = new QPushButton(QStringLiteral("Choose"), this);
    Button1->setGeometry(140, 60, 120, 24);

    Button4 = new QPushButton(QStringLiteral("Capture from Screen"), this);
    Button4->setGeometry(6, 93, 138, 24);
    Button2 = new QPushButton(QStringLiteral("Add"), this);
    Button2->setGeometry(150, 93, 52, 24);
    Button3 = new QPushButton(QStringLiteral("Close"), this);
    Button3->setGeometry(208, 93, 52, 24);

    // Enter in a field adds nothing: entries cannot be taken back.
    for (QPushButton *button : {Button1, Button4, Button2, Button3})
        button->setAutoDefault(false);

    EventGuard::connect(Button1, &QPushButton::clicked, this, &TForm17::Button1Click);
    EventGuard::connect(Button4, &QPushButton::clicked, this, &TForm17::Button4Click);
    EventGuard::connect(Button2, &QPushButton::clicked, this, &TForm17::Button2Click);
    EventGuard::connect(Button3, &QPushButton::clicked, this, &TForm17::Button3Click);
}

void TForm17::setCaptureWindow(TForm18 *capture)
{
    if (m_capture)
        disconnect(m_capture, &TForm18::captured, Shape1, nullptr);
    m_capture = capture;
    if (m_capture)
        connect(m_capture, &TForm18::captured, Shape1, &ColorSwatch::setColor);
}

void TForm17::Button1Click()
{
    if (const std::optional<QColor> chosen = Modal::chooseColor(ColorText::toQColor(Shape1->color())))
        Shape1->setColor(ColorText::fromQColor(*chosen));
}

void TForm17::Button4Click()
{
    if (!m_capture)
        return;
    m_capture->beginCountdown();
    Modal::exec(*m_capture);
}

void TForm17::Button2Click()
{
    // A nameless entry or a hue the game cannot show would be written for good.
    if (Edit2->text().trimmed().isEmpty()) {
        Modal::warning(QStringLiteral("Enter a name for the colour please"));
        return;
    }
    const std::optional<int> sphere = NumberText::tryParse(Edit1->text().trimmed());
    if (!sphere || *sphere < 0 || *sphere > 65535) {
        Modal::warning(QStringLiteral("The Sphere number must be a whole number from 0 to 65535"));
        return;
    }
    HueLibrary(m_appDir).append(Edit2->text(), Shape1->color(), Edit1->text());
    if (m_picker)
        m_picker->ScrollBar1Change();
    if (m_libraryRead)
        m_libraryRead();
}

void TForm17::Button3Click()
{
    accept();
}
