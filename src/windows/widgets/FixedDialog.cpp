#include "windows/widgets/FixedDialog.h"

#include <QLayout>
#include <QPushButton>

FixedDialog::FixedDialog(QWidget *parent, const QString &caption)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setWindowFlag(Qt::WindowCloseButtonHint, false);
    setWindowFlag(Qt::WindowSystemMenuHint, false);
    setWindowTitle(caption);
    setModal(true);
}

void FixedDialog::setEscapeCloses(bool closes)
{
    m_escapeCloses = closes;
    setWindowFlag(Qt::WindowCloseButtonHint, closes);
}

void FixedDialog::reject()
{
    if (m_escapeCloses)
        QDialog::reject();
}

QPushButton *FixedDialog::closeButton(const QString &caption, int result)
{
    auto *button = new QPushButton(caption, this);
    connect(button, &QPushButton::clicked, this, [this, result] { done(result); });
    return button;
}

void FixedDialog::fixSize()
{
    if (layout())
        layout()->setSizeConstraint(QLayout::SetFixedSize);
}
