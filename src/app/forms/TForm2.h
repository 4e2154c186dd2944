#pragma once

#include "ui/forms/FixedDialog.h"

#include <functional>
#include <optional>

class ImageView;
class QListWidget;
class QPushButton;

// The image picker: the bitmaps of one art folder with a preview.
class TForm2 : public FixedDialog
{
    Q_OBJECT

public:
    explicit TForm2(QWidget *parent = nullptr);

    // Set by the caller before showing; both off means picture mode.
    bool ButtonMode = false;
    bool ResizepicMode = false;

    // Points the file list at folder and reads it again.
    void setFolder(const QString &folder);
    QString folder() const { return m_folder; }
    void rereadFolder();

    // The windows "Add other Uo Gump" opens in button and picture mode.
    void setArtWindows(QDialog *newButton, QDialog *newGumppic);

    QStringList files() const;
    // The highlighted file's name (no folder), or nothing.
    std::optional<QString> selectedFile() const;
    void selectFile(const QString &name);

    QListWidget *FileListBox1 = nullptr;
    ImageView *Image1 = nullptr;
    QPushButton *Button1 = nullptr; // "Ok"
    QPushButton *Button2 = nullptr; // "Cancel"
    QPushButton *Button3 = nullptr; // "Add other Uo Gump"

public slots:
    void FileListBox1Click();
    void Button1Click();
    void Button2Click();
    void Button3Click();

private:
    QString m_folder;
    QDialog *m_newButton = nullptr;
    QDialog *m_newGumppic = nullptr;
};
