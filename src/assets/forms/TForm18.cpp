#include "assets/forms/TForm18.h"

TForm18::TForm18(QWidget *parent)
    : ShellDialog(parent, QStringLiteral("Capture"), QStringLiteral("Close"), QStringLiteral("MOVE THE MOUSE INTO POSISION"))
{
}
