#include "ui/forms/TForm10.h"

TForm10::TForm10(QWidget *parent)
    : ShellDialog(parent, QStringLiteral("Quillmark 1.4"), QStringLiteral("Close"), QStringLiteral("Quillmark 1.4\nA designer for Sphere dialogs."))
{
}
