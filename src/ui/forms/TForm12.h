#pragma once

#include "ui/Settings.h"
#include "ui/forms/FixedDialog.h"

// "Options": holds the live copy of the settings the editor reads. The tabs
// that edit them arrive later; until then the first-start values are in force.
class TForm12 : public ShellDialog
{
    Q_OBJECT

public:
    explicit TForm12(QWidget *parent = nullptr);

    Settings Options;
    bool DefaultsRunning = false;
};
