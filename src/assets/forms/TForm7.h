#pragma once

#include "ui/forms/FixedDialog.h"

// "Create New GumpPic": the window is in place; its work arrives later.
class TForm7 : public ShellDialog
{
    Q_OBJECT

public:
    explicit TForm7(QWidget *parent = nullptr);
};
