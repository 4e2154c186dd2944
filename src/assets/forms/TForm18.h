#pragma once

#include "ui/forms/FixedDialog.h"

// "Capture": the window is in place; its work arrives later.
class TForm18 : public ShellDialog
{
    Q_OBJECT

public:
    explicit TForm18(QWidget *parent = nullptr);
};
