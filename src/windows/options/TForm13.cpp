#include "windows/options/TForm13.h"

#include <QCheckBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

TForm13::TForm13(QWidget *parent) : FixedDialog(parent, QStringLiteral("Misc"))
{
    CheckBox1 = new QCheckBox(QStringLiteral("Can Not Close"), this);
    CheckBox2 = new QCheckBox(QStringLiteral("Can Not Move"), this);
    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setMinimumHeight(80);
    Button1 = closeButton(QStringLiteral("Ok"));

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(CheckBox1);
    layout->addWidget(CheckBox2);
    layout->addWidget(new QLabel(QStringLiteral("On Close (right mouse button):"), this));
    layout->addWidget(Memo1);
    layout->addWidget(Button1, 0, Qt::AlignRight);
    layout->setContentsMargins(16, 12, 16, 12);
    fixSize();
    setMinimumWidth(320);
}

DocumentCommands::WindowFlags TForm13::flags() const
{
    return {CheckBox1->isChecked(), CheckBox2->isChecked()};
}

void TForm13::setFlags(const DocumentCommands::WindowFlags &flags)
{
    CheckBox1->setChecked(flags.canNotClose);
    CheckBox2->setChecked(flags.canNotMove);
}

QString TForm13::closeBlock() const
{
    return Memo1->toPlainText().replace(u'\n', QStringLiteral("\r\n"));
}

void TForm13::setCloseBlock(const QString &block)
{
    Memo1->setPlainText(block);
}
