#include "windows/options/TForm9.h"
#include "document/FieldValue.h"
#include "windows/widgets/EventGuard.h"
#include "windows/widgets/SpinEdit.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

TForm9::TForm9(QWidget *parent) : FixedDialog(parent, QStringLiteral("Location on Screen"))
{
    CSpinEdit1 = new SpinEdit(this);
    CSpinEdit2 = new SpinEdit(this);
    Button1 = closeButton(QStringLiteral("Ok"));

    auto *layout = new QGridLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("X"), this), 0, 0);
    layout->addWidget(CSpinEdit1, 0, 1);
    layout->addWidget(new QLabel(QStringLiteral("Y"), this), 1, 0);
    layout->addWidget(CSpinEdit2, 1, 1);
    layout->addWidget(Button1, 2, 0, 1, 2, Qt::AlignRight);
    layout->setColumnMinimumWidth(1, 120);
    fixSize();

    // A place the server computes ("<argn1>") stays as written: the arrows
    // leave it alone and closing keeps it.
    for (SpinEdit *spin : {CSpinEdit1, CSpinEdit2})
        spin->setSteppable([](const QString &text) { return !isComputedPlace(text); });

    EventGuard::connect(CSpinEdit1, &SpinEdit::changed, this, &TForm9::CSpinEdit1Change);
    EventGuard::connect(CSpinEdit2, &SpinEdit::changed, this, &TForm9::CSpinEdit2Change);
}

DocumentCommands::Location TForm9::placement() const
{
    return {CSpinEdit1->text(), CSpinEdit2->text()};
}

void TForm9::setPlacement(const DocumentCommands::Location &placement)
{
    CSpinEdit1->setText(placement.x);
    CSpinEdit2->setText(placement.y);
}

void TForm9::CSpinEdit1Change()
{
    CSpinEdit1->settleZeroBelowOne();
}

void TForm9::CSpinEdit2Change()
{
    CSpinEdit2->settleZeroBelowOne();
}

bool TForm9::isComputedPlace(const QString &text)
{
    return FieldValue::formOf(text) == FieldValue::Form::Expression;
}

void TForm9::done(int result)
{
    for (SpinEdit *spin : {CSpinEdit1, CSpinEdit2})
        if (!isComputedPlace(spin->text()))
            spin->restoreLastNumber();
    FixedDialog::done(result);
}
