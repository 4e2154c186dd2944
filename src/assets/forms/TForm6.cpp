#include "assets/forms/TForm6.h"

TForm6::TForm6(QWidget *parent)
    : ShellDialog(parent, QStringLiteral("Create New Button"), QStringLiteral("Close"), QStringLiteral("Adds new button art to the library."))
{
}
