#include "windows/script/TForm8.h"
#include "platform/SafeFile.h"
#include "sphere/SphereExport.h"
#include "windows/widgets/EventGuard.h"
#include "windows/widgets/Modal.h"

#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QVBoxLayout>

TForm8::TForm8(QWidget *parent) : QDialog(parent), m_dialect(SphereDialect::V55iTo99g)
{
    setWindowTitle(QStringLiteral("Sphere Export"));
    setModal(true);
    resize(480, 400);

    Memo1 = new QPlainTextEdit(this);
    Memo1->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    CopyButton = new QPushButton(QStringLiteral("Copy"), this);
    SaveButton = new QPushButton(QStringLiteral("Save…"), this);
    StatusBar1 = new QStatusBar(this);
    StatusBar1->addWidget(new QLabel(QStringLiteral("Cut and paste script in to dialog file"), StatusBar1));
    StatusBar1->setSizeGripEnabled(false);

    auto *buttons = new QHBoxLayout;
    buttons->setContentsMargins(6, 6, 6, 6);
    buttons->addStretch();
    buttons->addWidget(CopyButton);
    buttons->addWidget(SaveButton);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(Memo1);
    layout->addLayout(buttons);
    layout->addWidget(StatusBar1);

    EventGuard::connect(CopyButton, &QPushButton::clicked, this, &TForm8::CopyClick);
    EventGuard::connect(SaveButton, &QPushButton::clicked, this, &TForm8::SaveClick);
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
    StatusBar1->clearMessage();   // a new script: the words of the last one's copy or save go
}

void TForm8::CopyClick()
{
    QGuiApplication::clipboard()->setText(Memo1->toPlainText());
    StatusBar1->showMessage(QStringLiteral("The script is on the clipboard"));
}

// Written whole or not at all, in the encoding the dialect's server reads;
// letters the 8-bit encoding cannot carry stop the save with their names.
void TForm8::SaveClick()
{
    QString path = Modal::saveFile(ScriptFilter);
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".scp");
    SafeFile::write(path, encodeScript(lines(), SphereDialect::defaultEncoding(m_dialect), "\r\n"));
    StatusBar1->showMessage(QStringLiteral("Saved %1").arg(QDir::toNativeSeparators(path)));
}
