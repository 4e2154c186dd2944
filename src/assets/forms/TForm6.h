#pragma once

#include "ui/forms/FixedDialog.h"

// "Create New Button": the window is in place; its work arrives later.
class TForm6 : public ShellDialog
{
    Q_OBJECT

public:
    explicit TForm6(QWidget *parent = nullptr);
};
