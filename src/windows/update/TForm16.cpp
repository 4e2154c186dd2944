#include "windows/update/TForm16.h"
#include "platform/TextFile.h"
#include "windows/widgets/Modal.h"

#include <QFile>
#include <QPlainTextEdit>
#include <QPushButton>

TForm16::TForm16(QWidget *parent) : FixedDialog(parent, QStringLiteral("New Features and Fixs"))
{
    setFixedSize(224, 300);
    setEscapeCloses(true);   // it only shows text: Escape is as good as Ok
    Memo1 = new QPlainTextEdit(this);
    Memo1->setGeometry(8, 8, 208, 248);
    Memo1->setReadOnly(true);
    Button1 = new QPushButton(QStringLiteral("Ok"), this);
    Button1->setGeometry(72, 264, 80, 26);
    Button1->setDefault(true);
    connect(Button1, &QPushButton::clicked, this, &TForm16::Button1Click);
}

void TForm16::Button1Click()
{
    accept();
}

void TForm16::showFile(const QString &path, bool evenWhenEmpty)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return;
    const QStringList lines = TextFile::splitLines(file.read(MaxTextBytes));
    file.close();
    const QString text = lines.join(u'\n');
    Memo1->setPlainText(text);
    if (evenWhenEmpty || !text.isEmpty())
        Modal::exec(*this);
    QFile::remove(path);
}
