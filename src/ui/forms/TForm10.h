#pragma once

#include "ui/forms/FixedDialog.h"

// "Quillmark 1.4": the window is in place; its work arrives later.
class TForm10 : public ShellDialog
{
    Q_OBJECT

public:
    explicit TForm10(QWidget *parent = nullptr);
};
