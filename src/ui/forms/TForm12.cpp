#include "ui/forms/TForm12.h"

TForm12::TForm12(QWidget *parent)
    : ShellDialog(parent, QStringLiteral("Options"), QStringLiteral("Ok"), QStringLiteral("The options window arrives later; the defaults are in force."))
{
}
