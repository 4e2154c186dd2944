#pragma once

#include "ui/forms/FixedDialog.h"

class QCheckBox;
class QPushButton;

// The dialog's window flags. Keeps its values between uses.
class TForm13 : public FixedDialog
{
    Q_OBJECT

public:
    explicit TForm13(QWidget *parent = nullptr);

    QCheckBox *CheckBox1 = nullptr; // "Can Not Close"
    QCheckBox *CheckBox2 = nullptr; // "Can Not Move"
    QPushButton *Button1 = nullptr; // "Ok"
};
