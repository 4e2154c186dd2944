#include "net/forms/TForm15.h"

TForm15::TForm15(QWidget *parent)
    : ShellDialog(parent, QStringLiteral("System Update"), QStringLiteral("Close"), QStringLiteral("Loading Saved data"))
{
}
