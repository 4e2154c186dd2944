#pragma once

#include "windows/widgets/FixedDialog.h"

#include <array>
#include <functional>
#include <optional>

class QLabel;
class QPushButton;
class QRadioButton;
class QScrollBar;
class TextConverter;

// The hue picker: ten slots of the hue library, one of them checked; "Ok"
// takes the checked slot's Sphere hue number into SelectedHue. It has no
// cancel and keeps its position and checked slot between showings, unless
// preselect() sets them for an element's hue.
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

    // For editing an element of hue: the library entry with that Sphere
    // number checked and scrolled into view, or no slot checked when there
    // is none (or no hue), so that Ok without a choice keeps it. Refreshes
    // the slots.
    void preselect(std::optional<int> hue);
    // Whether the last Ok had a slot checked.
    bool chose() const { return m_chose; }

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
    bool m_chose = true;
};
