#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QWidget>

// One labelled field of the art addition windows: label left, edit right.
inline QLineEdit *artFormRow(QWidget *parent, const QString &label, int top, int editWidth = 190)
{
    auto *l = new QLabel(label, parent);
    l->setGeometry(6, top, 176, 22);
    auto *edit = new QLineEdit(parent);
    edit->setGeometry(184, top, editWidth, 22);
    return edit;
}
