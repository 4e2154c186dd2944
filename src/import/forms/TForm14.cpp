#include "import/forms/TForm14.h"

TForm14::TForm14(QWidget *parent)
    : ShellDialog(parent, QStringLiteral("Import (55i - 99g only)"), QStringLiteral("Close"), QStringLiteral("Import of a Sphere dialog arrives later."))
{
}
