// One input is a Sphere server's log, as the preview reads it after a run:
// the notes naming script lines and the line naming the server's version.
#include "fuzz/FuzzInput.h"
#include "serverworld/ServerLogNotes.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString log = QString::fromUtf8(FuzzInput::bytes(data, size));
    const QList<ServerLogNote> notes = ServerPreview::logNotes(log);
    FuzzInput::check(notes.size() <= ServerPreview::MaxLogNotes);
    // A note stands for a line of the log that has a bracket: never more
    // notes than lines, and each no longer than the part of its line read.
    FuzzInput::check(notes.size() <= log.count(u'\n') + 1);
    for (const ServerLogNote &note : notes) {
        FuzzInput::check(!note.file.isEmpty() && note.scriptLine >= 0 && note.designLine == -1);
        FuzzInput::check(note.file.size() + note.text.size() <= ServerPreview::MaxLogLineLength);
    }
    const QString version = ServerPreview::versionIn(log);
    FuzzInput::check(version.isEmpty() || version.contains(QLatin1String("Version")));
    FuzzInput::check(version.size() <= ServerPreview::MaxLogLineLength);
    return 0;
}
