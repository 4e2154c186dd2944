#include "windows/art/TForm7.h"
#include "assets/ArtLibrary.h"
#include "windows/art/ArtFormRows.h"
#include "windows/art/TForm6.h"
#include "windows/widgets/EventGuard.h"
#include "windows/widgets/Modal.h"

#include <QPushButton>

TForm7::TForm7(QWidget *parent) : FixedDialog(parent, QStringLiteral("Create New GumpPic"))
{
    setFixedSize(458, 65);
    Edit1 = artFormRow(this, QStringLiteral("Picture displayed for button :"), 4, 190);
    Button1 = new QPushButton(QStringLiteral("Browse"), this);
    Button1->setGeometry(380, 3, 72, 24);
    Edit2 = artFormRow(this, QStringLiteral(" Gump In Hexdecimal :"), 34, 60);
    Button2 = new QPushButton(QStringLiteral("Add to Libary"), this);
    Button2->setGeometry(250, 32, 110, 26);
    Button3 = new QPushButton(QStringLiteral("Close"), this);
    Button3->setGeometry(366, 32, 86, 26);
    for (QPushButton *b : {Button1, Button2, Button3})
        b->setAutoDefault(false);

    EventGuard::connect(Button1, &QPushButton::clicked, this, &TForm7::Button1Click);
    EventGuard::connect(Button2, &QPushButton::clicked, this, &TForm7::Button2Click);
    EventGuard::connect(Button3, &QPushButton::clicked, this, &TForm7::Button3Click);
}

void TForm7::Button1Click()
{
    const QString path = Modal::openFile(TForm6::PictureFilter);
    if (!path.isEmpty())
        Edit1->setText(path);
}

void TForm7::Button2Click()
{
    try {
        ArtLibrary::addPicture(m_appDir, Edit1->text(), Edit2->text());
    } catch (const ArtLibrary::Refused &refused) {
        Modal::warning(refused.message());
    }
}

void TForm7::Button3Click()
{
    accept();
}
