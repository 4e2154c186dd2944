#include "app/forms/TForm8.h"

#include <QFontDatabase>
#include <QLabel>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QVBoxLayout>

TForm8::TForm8(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Sphere Export"));
    setModal(true);
    resize(480, 400);

    Memo1 = new QPlainTextEdit(this);
    Memo1->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    StatusBar1 = new QStatusBar(this);
    StatusBar1->addWidget(new QLabel(QStringLiteral("Cut and paste script in to dialog file"), StatusBar1));
    StatusBar1->setSizeGripEnabled(false);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(Memo1);
    layout->addWidget(StatusBar1);
}

QStringList TForm8::lines() const
{
    return Memo1->toPlainText().split(u'\n');
}

void TForm8::setLines(const QStringList &lines)
{
    QString text = lines.join(u'\n');
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")); // multi-line button events
    Memo1->setPlainText(text);
}
