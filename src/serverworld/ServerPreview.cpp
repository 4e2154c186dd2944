#include "serverworld/ServerPreview.h"

#include "assets/BitmapFontFile.h"
#include "document/RecordWalker.h"
#include "platform/NumberText.h"
#include "platform/PathResolver.h"
#include "render/PageRenderer.h"
#include "serverworld/GumpDesign.h"
#include "sphere/SphereExport.h"
#include "sphere/SphereImport.h"
#include "sphereclient/SphereLoginClient.h"

#include <QDirIterator>
#include <QElapsedTimer>
#include <QSet>

namespace {

constexpr const char *PreviewFile = "quillmark_preview.scp";
constexpr int MaxScriptFilesListed = 20000;

// Words of layout lines that make an element the player sees.
bool elementWord(const QString &word)
{
    static const QSet<QString> words = {
        "gumppic", "gumppictiled", "resizepic", "text", "dtext", "button", "checkbox", "radio", "htmlgump",
        "dhtmlgump", "croppedtext", "dcroppedtext", "textentry", "textentrylimited", "dtextentry",
        "dtextentrylimited", "tilepic", "tilepichue", "checkertrans", "xmfhtmlgump", "xmfhtmlgumpcolor"};
    return words.contains(word.toLower());
}

QString failureText(const QString &what, const ServerWorld &world)
{
    return QStringLiteral("%1. The server's last lines:\n%2").arg(what, world.lastLines(12));
}

} // namespace

namespace ServerPreview {

ServerAnswer ask(const ServerSetup &setup, const QList<std::pair<QString, QByteArray>> &scripts,
                 const QString &dialog, ServerCancel *cancel, const ServerProgress &progress)
{
    QElapsedTimer clock;
    clock.start();
    const QDeadlineTimer deadline(setup.deadlineMs);
    const auto stage = [&](const QString &text) {
        if (progress)
            progress(text);
    };
    ServerAnswer answer;
    ServerWorld world(setup.program);
    world.setRecordFolder(setup.recordFolder);
    world.setCancel(cancel);
    world.setPrivilege(setup.plevel);
    if (!setup.scripts.isEmpty())
        world.setShardScripts(setup.scripts);
    for (const auto &[name, bytes] : scripts)
        world.addScript(name, bytes);
    world.openOnLogin({{dialog, setup.args}});

    stage(QStringLiteral("Starting the server"));
    if (!world.start(deadline, &answer.error)) {
        answer.log = world.log();
        answer.milliseconds = clock.elapsed();
        return answer;
    }
    stage(QStringLiteral("Logging in"));
    SphereLoginClient client({.port = world.port(), .account = world.accountName(), .password = world.password()});
    SphereCollection got;
    if (client.logIn(deadline)) {
        stage(QStringLiteral("Waiting for the dialog"));
        got = client.collectUntil(QLatin1String(ServerWorld::DoneMarker), deadline);
    }
    const bool cancelled = cancel && cancel->cancelled();
    world.stop();
    answer.log = world.log();
    answer.notes = logNotes(answer.log);
    // The world's own scripts say nothing about the user's.
    answer.notes.removeIf([](const ServerLogNote &n) {
        return n.file.endsWith(QLatin1String("quillmark_world.scp")) || n.file.endsWith(QLatin1String("quillmark_login.scp"));
    });
    answer.milliseconds = clock.elapsed();
    if (cancelled) {
        answer.error = QStringLiteral("cancelled");
        return answer;
    }
    if (client.failure() != SphereLoginClient::Failure::None) {
        answer.error = failureText(QStringLiteral("The login failed: %1").arg(client.errorString()), world);
        return answer;
    }
    if (!got.endMarkerSeen) {
        answer.error = failureText(QStringLiteral("The server did not send the dialog within %1 s")
                                       .arg(setup.deadlineMs / 1000.0, 0, 'f', 1),
                                   world);
        return answer;
    }
    answer.asked = true;
    const QString openMarker = QLatin1String(ServerWorld::OpenMarker);
    bool opened = false;
    for (const ServerEvent &event : std::as_const(got.events)) {
        if (event.kind == ServerEvent::Message && event.message.startsWith(openMarker))
            opened = true;
        else if (opened && event.kind == ServerEvent::Gump) {
            answer.gump = event.gump;
            break;
        }
    }
    return answer;
}

QHash<int, int> designLinesOfScript(const QStringList &designLines, const QStringList &script)
{
    QHash<int, QList<int>> elementsOfPage;
    int page = 0;
    RecordWalker w(designLines);
    while (w.next()) {
        if (w.item() == RecordWalker::Item::PageOpen)
            page = NumberText::tryParse(w.field(1)).value_or(-1);
        else if (w.item() == RecordWalker::Item::Element)
            elementsOfPage[page] << w.line() + 1;
    }
    QHash<int, int> map;
    QHash<int, int> used;
    page = 0;
    // The layout section is the first one; its TEXT and BUTTON sections follow.
    bool inLayout = false;
    for (qsizetype k = 0; k < script.size(); ++k) {
        const QString line = script[k].trimmed();
        if (line.startsWith(u'[')) {
            if (inLayout)
                break;
            inLayout = true;
            continue;
        }
        if (!inLayout)
            continue;
        const QString word = line.section(u' ', 0, 0).toLower();
        if (word == u"page") {
            page = NumberText::tryParse(line.section(u' ', 1, 1)).value_or(-1);
            continue;
        }
        if (!elementWord(word))
            continue;
        const QList<int> &lines = elementsOfPage[page];
        int &n = used[page];
        if (n < lines.size())
            map.insert(int(k) + 1, lines[n++]);
    }
    return map;
}

Preview preview(const QStringList &designLines, const QString &dialect, const QString &appDir,
                const ServerSetup &setup, ServerCancel *cancel, const ServerProgress &progress)
{
    Preview p;
    writeSphereScript(designLines, dialect, QLatin1String(PreviewDialog), appDir, p.script);
    const QByteArray bytes = encodeScript(p.script, SphereDialect::defaultEncoding(dialect), "\r\n");
    p.answer = ask(setup, {{QLatin1String(PreviewFile), bytes}}, QLatin1String(PreviewDialog), cancel, progress);
    const QHash<int, int> lineOf = designLinesOfScript(designLines, p.script);
    for (ServerLogNote &note : p.answer.notes)
        if (note.file.endsWith(QLatin1String(PreviewFile)))
            note.designLine = lineOf.value(note.scriptLine, -1);
    if (!p.answer.asked)
        return p;
    if (!p.answer.gump) {
        p.differences << ShownDifference{-1, QStringLiteral("the server sent no dialog")};
        return p;
    }
    const ReceivedGump &g = *p.answer.gump;
    const ImportResult received = GumpDesign::designOf(g, appDir);
    p.received = received.lines;
    p.receivedProblems = received.errors;
    p.differences = ShownDialogs::compare(ShownDialogs::ofDesign(designLines, appDir),
                                          ShownDialogs::ofGump(g.x, g.y, g.controls, g.texts));
    return p;
}

Capture capture(const QString &name, const QString &appDir, const ServerSetup &setup, ServerCancel *cancel,
                const ServerProgress &progress)
{
    Capture c;
    c.answer = ask(setup, {}, name, cancel, progress);
    if (!c.answer.gump)
        return c;
    const ImportResult result = GumpDesign::designOf(*c.answer.gump, appDir);
    c.design = result.lines;
    c.problems = result.errors;
    return c;
}

QImage draw(const QStringList &designLines, const QString &appDir, int page)
{
    PageRenderer renderer(appDir);
    renderer.loadFont(PathResolver::resolve(appDir, BitmapFontFile::FileName));
    RenderOptions options;
    options.page = QString::number(page);
    options.placeholders = true;
    options.highlightSelected = false;
    options.selectedLine = -1;
    return renderer.render(designLines, options).page;
}

QString differenceLine(const QString &file, const ShownDifference &d)
{
    const int line = d.designLine >= 0 ? d.designLine : d.pageLine >= 0 ? d.pageLine : 0;
    return QStringLiteral("%1:%2: difference: %3").arg(file).arg(line).arg(d.what);
}

ProgramCheck checkProgram(const QString &program, const QString &recordFolder, int deadlineMs, ServerCancel *cancel)
{
    ProgramCheck check;
    ServerWorld world(program);
    world.setRecordFolder(recordFolder);
    world.setCancel(cancel);
    if (!world.start(QDeadlineTimer(deadlineMs), &check.error))
        return check;
    check.version = versionIn(world.console() + u'\n' + world.log());
    world.stop();
    check.ok = !check.version.isEmpty();
    if (!check.ok)
        check.error = QStringLiteral("The program started but named no version. Its last lines:\n%1").arg(world.lastLines(12));
    return check;
}

QStringList dialogNames(const QString &scriptsFolder)
{
    QSet<QString> seen;
    QStringList names;
    int files = 0;
    QDirIterator it(scriptsFolder, {QStringLiteral("*.scp"), QStringLiteral("*.SCP")}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext() && ++files <= MaxScriptFilesListed)
        for (const QString &name : SphereImport::dialogNamesInFile(it.next()))
            if (!seen.contains(name.toLower())) {
                seen.insert(name.toLower());
                names << name;
            }
    names.sort(Qt::CaseInsensitive);
    return names;
}

} // namespace ServerPreview
