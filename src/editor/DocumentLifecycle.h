#pragma once

#include "document/DocumentSession.h"
#include "document/ProblemList.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

struct ImportNote;

// What the document's lifecycle asks the user and tells the window; the main
// window answers with its dialogs.
class LifecycleHost
{
public:
    enum class SaveAnswer { Save, Discard, Cancel };

    virtual ~LifecycleHost() = default;
    // "Save changes?" before unsaved work would be replaced.
    virtual SaveAnswer askSaveChanges() = 0;
    // A project file to open or to save as; empty when cancelled.
    virtual QString askOpenPath() = 0;
    virtual QString askSavePath() = 0;
    // The design reached its file.
    virtual void documentSaved() = 0;
    // The import window: the design read from a script, or nothing when cancelled.
    struct ImportedScript
    {
        QStringList lines;
        QList<ImportNote> notes;
        QString name;   // the dialog's name in the script, kept in the design
    };
    virtual std::optional<ImportedScript> askImport() = 0;
};

// New, open, save, save as and import of the design: when unsaved work may
// go, which file a save writes, and what an open or import leaves listed as
// problems. The window shows the outcome.
class DocumentLifecycle
{
public:
    // beforeOpen: runs before a file is read (autosaves still being written
    // must reach it first).
    DocumentLifecycle(DocumentSession &session, ProblemList &problems, LifecycleHost &host,
                      std::function<void()> beforeOpen = {});

    // A name typed without an extension would not be listed by Open.
    static QString withDefaultExtension(const QString &path);
    // A slot of the autosave ring in appDir: the next round writes over it,
    // so saving such a design asks for a file of its own.
    static bool isAutoSaveSlot(const QString &path, const QString &appDir);

    // Save saves first (and stops when the save did not happen), Discard
    // goes on, Cancel stops. True when the work may be replaced.
    bool mayDiscardChanges();

    // Each is false when nothing happened (the user kept the work or cancelled).
    bool newDocument();
    // Asks for the file after the unsaved-work question; empty when none.
    QString chooseDesign();
    void open(const QString &path);
    bool save();
    bool saveAs();

    // After an open whose render could not read `unreadable` records: the
    // file is named once in the problems list. True when it was.
    bool listUnreadable(const QString &path, qsizetype unreadable);

    // Import, after the unsaved-work question: the document becomes the
    // imported lines; what the import left out stays listed until the design
    // changes. Imported comes with the status to show.
    struct Import
    {
        enum class Outcome { Kept, Cancelled, Imported };
        Outcome outcome = Outcome::Kept;
        QString status;
    };
    Import import();

private:
    DocumentSession &m_session;
    ProblemList &m_problems;
    LifecycleHost &m_host;
    std::function<void()> m_beforeOpen;
};
