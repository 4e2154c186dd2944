#pragma once

#include "serverworld/ServerLogNotes.h"
#include "serverworld/ServerWorld.h"
#include "serverworld/ShownDialog.h"
#include "sphereclient/ReceivedGump.h"

#include <QHash>
#include <QImage>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

// Which server to ask and as whom.
struct ServerSetup
{
    QString program;        // the server's executable
    QString scripts;        // the shard's scripts folder, copied in; empty: none
    QString recordFolder = ServerWorld::defaultRecordFolder();
    int plevel = 1;         // the stand-in's privilege
    QString args;           // what the dialog is opened with (ARGS, ARGN)
    int deadlineMs = 30000; // for the whole question, start to dialog
};

// What a server answered when a dialog was opened for the stand-in.
struct ServerAnswer
{
    bool asked = false;                 // false: it could not be asked, `error` says why
    QString error;                      // with the last lines of its log
    std::optional<ReceivedGump> gump;   // nothing: no dialog arrived
    QList<ServerLogNote> notes;
    QString log;
    qint64 milliseconds = 0;
};

// Stages of a question, for a progress line.
using ServerProgress = std::function<void(const QString &stage)>;

namespace ServerPreview {

constexpr const char *PreviewDialog = "d_quillmark_preview";

// Starts a world with the extra scripts, opens `dialog` for the stand-in and
// waits (bounded by setup.deadlineMs) for it; the world is gone on return.
ServerAnswer ask(const ServerSetup &setup, const QList<std::pair<QString, QByteArray>> &scripts,
                 const QString &dialog, ServerCancel *cancel = nullptr, const ServerProgress &progress = {});

// The design line each layout line of an exported script stands for: the
// n-th control line of a page is the n-th element of that page in the design.
QHash<int, int> designLinesOfScript(const QStringList &designLines, const QStringList &script);

struct Preview
{
    ServerAnswer answer;
    QStringList script;                  // the export the server read
    QStringList received;                // the gump as design lines (empty without one)
    QStringList receivedProblems;        // what of the gump a design cannot hold
    QList<ShownDifference> differences;  // from the design, lines from 1
};

// Exports the design (dialect, the decoders under appDir), asks the server
// and compares. Throws RuntimeError when the design cannot be exported.
Preview preview(const QStringList &designLines, const QString &dialect, const QString &appDir,
                const ServerSetup &setup, ServerCancel *cancel = nullptr, const ServerProgress &progress = {});

struct Capture
{
    ServerAnswer answer;
    QStringList design;                  // empty without a gump
    QStringList problems;
};

// Opens the shard's dialog `name` for the stand-in and makes a design of
// what arrived.
Capture capture(const QString &name, const QString &appDir, const ServerSetup &setup,
                ServerCancel *cancel = nullptr, const ServerProgress &progress = {});

// The received design's page as the designer draws it (placeholders for art
// the library lacks).
QImage draw(const QStringList &designLines, const QString &appDir, int page);

// "FILE:LINE: difference: TEXT", the check's form.
QString differenceLine(const QString &file, const ShownDifference &d);

// What starting the program once told of it: its version from its log.
struct ProgramCheck
{
    bool ok = false;
    QString version;   // the line naming it, as the server wrote it
    QString error;     // with the last lines of its log
};
ProgramCheck checkProgram(const QString &program, const QString &recordFolder, int deadlineMs,
                          ServerCancel *cancel = nullptr);

// The names of the dialogs the scripts folder defines, sorted, each once.
QStringList dialogNames(const QString &scriptsFolder);

} // namespace ServerPreview
