#pragma once

#include "ui/forms/FixedDialog.h"

class QPlainTextEdit;
class QStatusBar;

// The exported script, to be copied into a dialog file.
class TForm8 : public QDialog
{
    Q_OBJECT

public:
    explicit TForm8(QWidget *parent = nullptr);

    QStringList lines() const;
    void setLines(const QStringList &lines);

    QPlainTextEdit *Memo1 = nullptr;
    QStatusBar *StatusBar1 = nullptr;
};
