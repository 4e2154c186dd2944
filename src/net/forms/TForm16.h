#pragma once

#include "ui/forms/FixedDialog.h"

// "New Features and Fixs": the window is in place; its work arrives later.
class TForm16 : public ShellDialog
{
    Q_OBJECT

public:
    explicit TForm16(QWidget *parent = nullptr);
};
