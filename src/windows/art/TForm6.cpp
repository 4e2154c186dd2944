#include "windows/art/TForm6.h"
#include "assets/ArtLibrary.h"
#include "windows/art/ArtFormRows.h"
#include "windows/widgets/EventGuard.h"
#include "windows/widgets/Modal.h"

#include <QPushButton>

TForm6::TForm6(QWidget *parent) : FixedDialog(parent, QStringLiteral("Create New Button"))
{
    setFixedSize(457, 105);
    Edit1 = artFormRow(this, QStringLiteral("Picture displayed for button :"), 4, 190);
    Button1 = new QPushButton(QStringLiteral("Browse"), this);
    Button1->setGeometry(380, 3, 72, 24);
    Edit2 = artFormRow(this, QStringLiteral("Name this button :"), 28, 268);
    Edit3 = artFormRow(this, QStringLiteral(" Up Gump In Hexdecimal :"), 52, 60);
    Edit4 = artFormRow(this, QStringLiteral(" Down Gump In Hexdecimal :"), 76, 60);
    Button2 = new QPushButton(QStringLiteral("Add to Libary"), this);
    Button2->setGeometry(250, 64, 110, 26);
    Button3 = new QPushButton(QStringLiteral("Close"), this);
    Button3->setGeometry(366, 64, 86, 26);
    for (QPushButton *b : {Button1, Button2, Button3})
        b->setAutoDefault(false);

    EventGuard::connect(Button1, &QPushButton::clicked, this, &TForm6::Button1Click);
    EventGuard::connect(Button2, &QPushButton::clicked, this, &TForm6::Button2Click);
    EventGuard::connect(Button3, &QPushButton::clicked, this, &TForm6::Button3Click);
}

void TForm6::Button1Click()
{
    const QString path = Modal::openFile(PictureFilter);
    if (!path.isEmpty())
        Edit1->setText(path);
}

void TForm6::Button2Click()
{
    try {
        ArtLibrary::addButton(m_appDir, Edit1->text(), Edit2->text(), Edit3->text(), Edit4->text());
    } catch (const ArtLibrary::Refused &refused) {
        Modal::warning(refused.message());
    }
}

void TForm6::Button3Click()
{
    accept();
}
