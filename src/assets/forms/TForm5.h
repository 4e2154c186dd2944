#pragma once

#include "ui/forms/FixedDialog.h"

// "Uo Text Converter": the window is in place; its work arrives later.
class TForm5 : public ShellDialog
{
    Q_OBJECT

public:
    explicit TForm5(QWidget *parent = nullptr);
};
