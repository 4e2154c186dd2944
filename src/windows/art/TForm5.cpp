#include "windows/art/TForm5.h"

TForm5::TForm5(TextConverter &converter, QWidget *parent)
    : ShellDialog(parent, QStringLiteral("Uo Text Converter"), QStringLiteral("Close"), QStringLiteral("Turns a line of text into the game's lettering."))
    , Converter(converter)
{
}
