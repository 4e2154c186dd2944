#include "windows/elements/TForm11.h"
#include "windows/widgets/EventGuard.h"
#include "windows/widgets/SpinEdit.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

TForm11::TForm11(QWidget *parent) : FixedDialog(parent, QStringLiteral("Button Options"))
{
    CheckBox1 = new QCheckBox(QStringLiteral("Close on Click"), this);
    CSpinEdit1 = new SpinEdit(this);
    Memo1 = new QPlainTextEdit(this);
    Memo1->setFixedSize(260, 110);
    Button1 = closeButton(QStringLiteral("Ok"));
    Button1->setDefault(false);
    Button1->setAutoDefault(false);

    auto *layout = new QGridLayout(this);
    layout->addWidget(CheckBox1, 0, 0, 1, 3);
    layout->addWidget(new QLabel(QStringLiteral("Page to switch to"), this), 1, 0);
    layout->addWidget(CSpinEdit1, 1, 1);
    layout->addWidget(new QLabel(QStringLiteral("0 if none"), this), 1, 2);
    layout->addWidget(new QLabel(QStringLiteral("Events (Leave Blank if none)"), this), 2, 0, 1, 3);
    layout->addWidget(Memo1, 3, 0, 1, 3);
    layout->addWidget(Button1, 4, 2, Qt::AlignRight);
    fixSize();
    setEscapeCloses(true);   // Escape and the close button cancel

    EventGuard::connect(CSpinEdit1, &SpinEdit::changed, this, &TForm11::CSpinEdit1Change);
}

ElementDialogs::ButtonOptions TForm11::options() const
{
    return {CheckBox1->isChecked(), CSpinEdit1->text(), ElementCommands::eventsFromEditor(Memo1->toPlainText())};
}

void TForm11::setOptions(const ElementDialogs::ButtonOptions &options)
{
    CheckBox1->setChecked(options.closeOnClick);
    CSpinEdit1->setText(options.page);
    Memo1->setPlainText(ElementCommands::eventsToEditor(options.events));
}

void TForm11::showEvent(QShowEvent *event)
{
    m_shown = options();
    m_cancelled = false;
    FixedDialog::showEvent(event);
}

void TForm11::done(int result)
{
    m_cancelled = result != QDialog::Accepted;
    if (m_cancelled)
        setOptions(m_shown);
    CSpinEdit1->restoreLastNumber();
    FixedDialog::done(result);
}

void TForm11::CSpinEdit1Change()
{
    CSpinEdit1->settleZeroBelowOne();
}
