#pragma once

#include "ui/SettingsLocation.h"
#include "ui/forms/FixedDialog.h"

class QLabel;
class QPushButton;

// "Quillmark 1.4": the about window, with a picture, a link opened in the
// desktop's browser, and the settings file in use.
class TForm10 : public FixedDialog
{
    Q_OBJECT

public:
    explicit TForm10(QWidget *parent = nullptr);

    void showSettingsFile(const SettingsLocation &location);

    QLabel *Image1 = nullptr;
    QLabel *Label1 = nullptr;       // product and purpose
    QLabel *Label2 = nullptr;       // the link
    QLabel *SettingsLabel = nullptr;
    QPushButton *Button1 = nullptr; // "Close"

public slots:
    void Label2Click();
};
