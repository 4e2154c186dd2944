#pragma once

#include "editor/SettingsLocation.h"
#include "windows/widgets/FixedDialog.h"

class QLabel;
class QPushButton;

// "Quillmark 1.4": the about window, with a picture, a link opened in the
// desktop's browser, the settings file and the data folder in use.
class TForm10 : public FixedDialog
{
    Q_OBJECT

public:
    explicit TForm10(QWidget *parent = nullptr);

    void showSettingsFile(const SettingsLocation &location);
    // AppDir: where the art library, the font and the autosaves are.
    void showDataFolder(const QString &appDir);

    QLabel *Image1 = nullptr;
    QLabel *Label1 = nullptr;       // product and purpose
    QLabel *Label2 = nullptr;       // the link
    QLabel *SettingsLabel = nullptr;
    QLabel *DataFolderLabel = nullptr;
    QPushButton *Button1 = nullptr; // "Close"

public slots:
    void Label2Click();
};
