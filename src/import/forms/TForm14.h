#pragma once

#include "ui/forms/FixedDialog.h"

// "Import (55i - 99g only)": the window is in place; its work arrives later.
class TForm14 : public ShellDialog
{
    Q_OBJECT

public:
    explicit TForm14(QWidget *parent = nullptr);
};
