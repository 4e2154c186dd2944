#pragma once

#include "ui/forms/FixedDialog.h"

#include <array>
#include <functional>

class QLabel;
class QPushButton;
class QRadioButton;
class QScrollBar;
class TextConverter;

// The hue picker: ten slots of the hue library, one of them checked; "Ok"
// takes the checked slot's Sphere hue number into SelectedHue. It has no
// cancel and keeps its position and checked slot between showings.
class TForm3 : public FixedDialog
{
    Q_OBJECT

public:
    explicit TForm3(QWidget *parent = nullptr);

    void setAppDir(const QString &appDir) { m_appDir = appDir; }
    // Draws the slots' names in their colours.
    void setConverter(const TextConverter *converter) { m_converter = converter; }
    // The window "Add new Color" opens.
    void setAddWindow(QDialog *addWindow) { m_addWindow = addWindow; }
    // Run after each refresh, so the text index follows the library.
    void setLibraryRead(std::function<void()> libraryRead) { m_libraryRead = std::move(libraryRead); }

    int SelectedHue = 0;

    QScrollBar *ScrollBar1 = nullptr;
    std::array<QRadioButton *, 10> RadioButtons{}; // RadioButton1 .. RadioButton10
    std::array<QLabel *, 10> SlotImages{};         // Image11, Image2 .. Image10
    QPushButton *Button3 = nullptr;                // "Ok"
    QPushButton *Button1 = nullptr;                // "Add new Color"

public slots:
    void ScrollBar1Change();
    void Button3Click();
    void Button1Click();

private:
    QString m_appDir;
    const TextConverter *m_converter = nullptr;
    QDialog *m_addWindow = nullptr;
    std::function<void()> m_libraryRead;
};
