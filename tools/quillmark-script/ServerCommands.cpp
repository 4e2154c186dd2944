#include "CommandLine.h"
#include "Commands.h"

#include "document/Document.h"
#include "platform/NumberText.h"
#include "platform/RuntimeError.h"
#include "platform/SafeFile.h"
#include "serverworld/ServerPreview.h"
#include "sphere/SphereDialect.h"

#include <QBuffer>
#include <QFileInfo>

#include <csignal>
#include <cstdio>

// preview and capture: what the user's own Sphere server sends a player.
// Exit status 2 also when the server could not be asked.

namespace {

// Ended by Ctrl+C or a kill, the server goes too.
ServerCancel *g_cancel = nullptr;

extern "C" void cancelOnSignal(int)
{
    if (g_cancel)
        g_cancel->cancel();
}

class SignalCancel
{
public:
    SignalCancel()
    {
        g_cancel = &cancel;
        std::signal(SIGINT, cancelOnSignal);
        std::signal(SIGTERM, cancelOnSignal);
    }
    ~SignalCancel()
    {
        std::signal(SIGINT, SIG_DFL);
        std::signal(SIGTERM, SIG_DFL);
        g_cancel = nullptr;
    }
    ServerCancel cancel;
};

int wholeNumber(const ParsedArguments &parsed, const QString &option, int fallback, int low, int high)
{
    if (!parsed.has(option))
        return fallback;
    const auto n = NumberText::tryParse(parsed.value(option));
    if (!n || *n < low || *n > high)
        throw UsageError(QStringLiteral("%1 needs a whole number from %2 to %3, not '%4'")
                             .arg(option).arg(low).arg(high).arg(parsed.value(option)));
    return *n;
}

ServerSetup setupOf(const ParsedArguments &parsed)
{
    ServerSetup setup;
    setup.program = parsed.required(QStringLiteral("--server"));
    setup.scripts = parsed.value(QStringLiteral("--scripts"));
    setup.plevel = wholeNumber(parsed, QStringLiteral("--plevel"), 1, 0, 7);
    setup.args = parsed.value(QStringLiteral("--args"));
    setup.deadlineMs = wholeNumber(parsed, QStringLiteral("--timeout"), 30, 1, 600) * 1000;
    if (!setup.scripts.isEmpty() && !QFileInfo(setup.scripts).isDir())
        throw UsageError(QStringLiteral("--scripts names no folder: %1").arg(setup.scripts));
    return setup;
}

const QStringList ServerOptions = {QStringLiteral("--server"), QStringLiteral("--scripts"), QStringLiteral("--plevel"),
                                   QStringLiteral("--args"),   QStringLiteral("--data"),    QStringLiteral("--out"),
                                   QStringLiteral("--timeout")};

int notAsked(const ServerAnswer &answer)
{
    std::fprintf(stderr, "quillmark-script: the server could not be asked: %s\n",
                 answer.error.toLocal8Bit().constData());
    return 2;
}

void printNotes(const QString &file, const QList<ServerLogNote> &notes)
{
    for (const ServerLogNote &n : notes)
        if (n.designLine >= 0)
            std::fprintf(stderr, "%s:%d: server: %s\n", file.toLocal8Bit().constData(), n.designLine,
                         n.text.toLocal8Bit().constData());
        else
            std::fprintf(stderr, "%s:%d: server: %s\n", n.file.toLocal8Bit().constData(), n.scriptLine,
                         n.text.toLocal8Bit().constData());
}

} // namespace

int runPreviewCommand(const QStringList &args)
{
    QStringList valueOptions = ServerOptions;
    valueOptions << QStringLiteral("--page") << QStringLiteral("--dialect");
    const ParsedArguments parsed = parseArguments(args, valueOptions);
    if (parsed.positional.size() != 1)
        throw UsageError(QStringLiteral("preview needs exactly one design file"));
    const QString file = parsed.positional.first();
    const QString out = parsed.required(QStringLiteral("--out"));
    const int page = wholeNumber(parsed, QStringLiteral("--page"), 0, 0, 1 << 30);
    const ServerSetup setup = setupOf(parsed);
    const QString appDir = dataFolderOption(parsed);
    const QString dialect = dialectOption(parsed);

    const QStringList lines = Document::loadProjectFile(file);
    SignalCancel interrupt;
    const ServerPreview::Preview p = ServerPreview::preview(lines, dialect, appDir, setup, &interrupt.cancel);
    printNotes(file, p.answer.notes);
    if (!p.answer.asked)
        return notAsked(p.answer);

    QByteArray png;
    QBuffer buffer(&png);
    if (!buffer.open(QIODevice::WriteOnly) || !ServerPreview::draw(p.received, appDir, page).save(&buffer, "PNG"))
        throw RuntimeError::cannotCreate(out);
    SafeFile::write(out, png);

    QByteArray listing;
    for (const ShownDifference &d : p.differences)
        listing += ServerPreview::differenceLine(file, d).toLocal8Bit() + '\n';
    std::fwrite(listing.constData(), 1, size_t(listing.size()), stdout);
    if (std::fflush(stdout) != 0)
        return 2;
    return p.differences.isEmpty() ? 0 : 1;
}

int runCaptureCommand(const QStringList &args)
{
    const ParsedArguments parsed = parseArguments(args, ServerOptions);
    if (parsed.positional.size() != 1)
        throw UsageError(QStringLiteral("capture needs exactly one dialog name"));
    const QString name = parsed.positional.first();
    const QString out = parsed.required(QStringLiteral("--out"));
    parsed.required(QStringLiteral("--scripts"));
    const ServerSetup setup = setupOf(parsed);
    const QString appDir = dataFolderOption(parsed);

    SignalCancel interrupt;
    const ServerPreview::Capture c = ServerPreview::capture(name, appDir, setup, &interrupt.cancel);
    printNotes(name, c.answer.notes);
    if (!c.answer.asked)
        return notAsked(c.answer);
    if (!c.answer.gump) {
        std::fprintf(stderr, "quillmark-script: the server sent no dialog for %s\n", name.toLocal8Bit().constData());
        return 1;
    }
    for (const QString &problem : c.problems)
        warn(problem);
    Document::saveProjectFile(out, c.design);
    return 0;
}
