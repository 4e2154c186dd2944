#pragma once

#include <QString>
#include <QStringList>

#include <optional>

class IniFile;

// One autosave: the document lines go into the ring of project files
// AppDir + "AutoSave/Auto.0" ... "Auto.<Total>", at the slot the settings
// file names under "Files" / "AutoCurrent"; the next slot and the other
// keys autosave keeps are written back in one rewrite of the settings file.
namespace AutoSaveRing {

// The folder of the ring, inside the data directory.
QString folderOf(const QString &appDir);
QString slotPath(const QString &appDir, int slot);

struct Result
{
    QString file;          // the slot file written
    int nextSlot = 0;      // stored as "AutoCurrent"
    QStringList problems;  // "AutoCurrent" or "AutoT" that were not numbers
};

// Creates the "AutoSave" folder when it is missing. A slot or ring size
// that is not a number is named in problems and taken as 0 or the default 5.
// drawEngine is the default of "STYLE" / "Drawengine" (the options
// window's current creation style). Throws RuntimeError "Cannot create file
// <path>" or "Unable to write to <path>" when a file cannot be written; the
// slot then does not advance, and both files keep what they held before.
Result saveOnce(IniFile &settings, const QString &appDir, const QStringList &lines, const QString &drawEngine);

// Names each failure once: the first time a trigger fails, and again only
// after an autosave has succeeded in between.
class FailureNotice
{
public:
    // The message to show now, or nothing when it was already shown.
    std::optional<QString> failed(const QString &message);
    void succeeded() { m_shown.reset(); }

private:
    std::optional<QString> m_shown;
};

} // namespace AutoSaveRing
