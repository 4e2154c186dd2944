#include "net/forms/TForm16.h"

TForm16::TForm16(QWidget *parent)
    : ShellDialog(parent, QStringLiteral("New Features and Fixs"), QStringLiteral("Close"), QStringLiteral("No news."))
{
}
