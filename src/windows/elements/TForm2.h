#pragma once

#include "windows/widgets/FixedDialog.h"

#include <functional>
#include <memory>
#include <optional>

class GumpArt;
class GumpBrowserModel;
class ImageView;
class QLineEdit;
class QListView;
class QListWidget;
class QPushButton;
class QWidget;

// The image picker: the bitmaps of one art folder with a preview. In picture
// mode, with a game client set, it also offers every gump of the client.
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
    // The client's gumps offered in picture mode; nullptr: none.
    void setClientArt(std::shared_ptr<const GumpArt> art);
    bool offersClientGumps() const;
    // Highlights a gump of the client; false when the list does not show it.
    bool selectGump(int gump);

    QStringList files() const;
    // The highlighted file's name (no folder), or nothing. A gump of the
    // client is named by its number in hex, as a file of DATA/ would be.
    std::optional<QString> selectedFile() const;
    void selectFile(const QString &name);

    QListWidget *FileListBox1 = nullptr;
    ImageView *Image1 = nullptr;
    QPushButton *Button1 = nullptr; // "Ok"
    QPushButton *Button2 = nullptr; // "Cancel"
    QPushButton *Button3 = nullptr; // "Add other Uo Gump"
    QWidget *ClientPanel = nullptr; // the client's gumps
    QLineEdit *GumpSearch = nullptr;
    QListView *GumpList = nullptr;
    GumpBrowserModel *Gumps = nullptr;

public slots:
    void FileListBox1Click();
    void Button1Click();
    void Button2Click();
    void Button3Click();
    void GumpListClick();
    void GumpSearchChange();

private:
    void showPreview(const QImage &picture);
    std::optional<int> selectedGump() const;

    QString m_folder;
    QDialog *m_newButton = nullptr;
    QDialog *m_newGumppic = nullptr;
};
