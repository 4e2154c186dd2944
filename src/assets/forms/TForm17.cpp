#include "assets/forms/TForm17.h"

TForm17::TForm17(QWidget *parent)
    : ShellDialog(parent, QStringLiteral("Add Text Color"), QStringLiteral("Close"), QStringLiteral("Adds a hue to the hue library."))
{
}
