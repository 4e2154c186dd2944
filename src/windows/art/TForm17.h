#pragma once

#include "windows/widgets/FixedDialog.h"

#include <functional>

class ColorSwatch;
class QLineEdit;
class QPushButton;
class TForm18;
class TForm3;

// "Add Text Color": appends a hue to the hue library. It stays open with its
// fields after Add, so several hues can be added in a row.
class TForm17 : public FixedDialog
{
    Q_OBJECT

public:
    explicit TForm17(QWidget *parent = nullptr);

    void setAppDir(const QString &appDir) { m_appDir = appDir; }
    // The picker refreshed after each Add.
    void setPicker(TForm3 *picker) { m_picker = picker; }
    // The window "Capture from Screen" counts down in; its colour lands in the swatch.
    void setCaptureWindow(TForm18 *capture);
    // Run after each Add, so the text index knows the new hue.
    void setLibraryRead(std::function<void()> libraryRead) { m_libraryRead = std::move(libraryRead); }

    QLineEdit *Edit2 = nullptr;     // "Name of color"
    QLineEdit *Edit1 = nullptr;     // "Sphere number"
    ColorSwatch *Shape1 = nullptr;  // "Display Color"
    QPushButton *Button1 = nullptr; // "Choose"
    QPushButton *Button4 = nullptr; // "Capture from Screen"
    QPushButton *Button2 = nullptr; // "Add"
    QPushButton *Button3 = nullptr; // "Close"

public slots:
    void Button1Click();
    void Button4Click();
    void Button2Click();
    void Button3Click();

private:
    QString m_appDir;
    TForm3 *m_picker = nullptr;
    TForm18 *m_capture = nullptr;
    std::function<void()> m_libraryRead;
};
