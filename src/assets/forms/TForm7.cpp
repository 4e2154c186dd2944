#include "assets/forms/TForm7.h"

TForm7::TForm7(QWidget *parent)
    : ShellDialog(parent, QStringLiteral("Create New GumpPic"), QStringLiteral("Close"), QStringLiteral("Adds new picture art to the library."))
{
}
