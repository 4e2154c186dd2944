#pragma once

#include <QColor>
#include <QString>

#include <optional>

class QDialog;
class QWidget;

// The one way a command shows a modal window, a message box, the input box,
// a file dialog or a colour dialog. By default they are shown to the user;
// a Driver installed with Modal::Scope answers them instead (tests).
namespace Modal {

enum class MessageKind { Warning, Error, Information };

// The three answers to the question before unsaved work would be thrown away.
enum class SaveAnswer { Save, Discard, Cancel };

class Driver
{
public:
    virtual ~Driver() = default;
    // Runs the window modally; returns its result (QDialog::Accepted or Rejected).
    virtual int exec(QDialog &window) = 0;
    virtual void message(MessageKind kind, const QString &caption, const QString &text) = 0;
    // The text entered, or nothing when cancelled.
    virtual std::optional<QString> inputText(const QString &caption, const QString &prompt,
                                             const QString &initial) = 0;
    // The chosen path, or an empty text when cancelled.
    virtual QString openFileName(const QString &filter) = 0;
    virtual QString saveFileName(const QString &filter) = 0;
    // The same, starting in folder (empty: wherever the driver likes).
    virtual QString openFileNameIn(const QString &filter, const QString &folder)
    {
        (void)folder;
        return openFileName(filter);
    }
    virtual QString saveFileNameIn(const QString &filter, const QString &folder)
    {
        (void)folder;
        return saveFileName(filter);
    }
    // The chosen colour, or nothing when cancelled.
    virtual std::optional<QColor> color(const QColor &initial) = 0;
    // The chosen folder, or an empty text when cancelled. Drivers that
    // expect no folder dialog need not answer it.
    virtual QString folderName(const QString &initial) { (void)initial; return QString(); }
    // A confirmation box with Yes and No; true for Yes. A driver that does
    // not know the question answers No.
    virtual bool confirm(const QString &caption, const QString &text);
    // A question with Save, Discard and Cancel. A driver that does not know
    // the question answers Cancel, so nothing is lost.
    virtual SaveAnswer saveChanges(const QString &caption, const QString &text);
};

// Installs a driver for its lifetime; scopes nest.
class Scope
{
public:
    explicit Scope(Driver &driver);
    ~Scope();
    Scope(const Scope &) = delete;
    Scope &operator=(const Scope &) = delete;

private:
    Driver *m_previous;
};

int exec(QDialog &window);
// A problem the program found: message box captioned "Warning".
void warning(const QString &text);
// The standard error box for a failure the runtime reports.
void error(const QString &text);
std::optional<QString> inputBox(const QString &caption, const QString &prompt, const QString &initial = QString());
// File dialogs start in the current design's folder (setDesignFolder), or,
// while the design has no file, in the folder of the last file chosen.
QString openFile(const QString &filter);
QString saveFile(const QString &filter);
void setDesignFolder(const QString &folder);
QString fileFolder();
std::optional<QColor> chooseColor(const QColor &initial);
QString chooseFolder(const QString &initial);
// Asks text in a confirmation box with Yes and No; true for Yes.
bool confirm(const QString &text);
// Asks "Save changes?" with Save, Discard and Cancel.
SaveAnswer askSaveChanges();

inline const QString WarningCaption = QStringLiteral("Warning");
inline const QString ConfirmCaption = QStringLiteral("Confirm");

} // namespace Modal
