#include "assets/forms/TForm5.h"

TForm5::TForm5(QWidget *parent)
    : ShellDialog(parent, QStringLiteral("Uo Text Converter"), QStringLiteral("Close"), QStringLiteral("Turns a line of text into the game's lettering."))
{
}
