#include "windows/widgets/FixedDialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

FixedDialog::FixedDialog(QWidget *parent, const QString &caption)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setWindowFlag(Qt::WindowCloseButtonHint, false);
    setWindowFlag(Qt::WindowSystemMenuHint, false);
    setWindowTitle(caption);
    setModal(true);
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

ShellDialog::ShellDialog(QWidget *parent, const QString &caption, const QString &buttonCaption,
                         const QString &note)
    : FixedDialog(parent, caption)
{
    auto *layout = new QVBoxLayout(this);
    auto *label = new QLabel(note.isEmpty() ? caption : note, this);
    label->setAlignment(Qt::AlignCenter);
    label->setMinimumSize(240, 60);
    layout->addWidget(label);
    auto *row = new QHBoxLayout;
    row->addStretch();
    auto *button = closeButton(buttonCaption);
    button->setDefault(true);
    row->addWidget(button);
    layout->addLayout(row);
    fixSize();
}
