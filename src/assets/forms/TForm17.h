#pragma once

#include "ui/forms/FixedDialog.h"

// "Add Text Color": the window is in place; its work arrives later.
class TForm17 : public ShellDialog
{
    Q_OBJECT

public:
    explicit TForm17(QWidget *parent = nullptr);
};
