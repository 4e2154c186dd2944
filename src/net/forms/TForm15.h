#pragma once

#include "ui/forms/FixedDialog.h"

// "System Update": the window is in place; its work arrives later.
class TForm15 : public ShellDialog
{
    Q_OBJECT

public:
    explicit TForm15(QWidget *parent = nullptr);
};
