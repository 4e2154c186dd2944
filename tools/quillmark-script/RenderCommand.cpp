#include "CommandLine.h"
#include "Commands.h"

#include "assets/BitmapFontFile.h"
#include "assets/client/GumpArt.h"
#include "document/DesignHead.h"
#include "document/Document.h"
#include "document/RecordWalker.h"
#include "editor/Settings.h"
#include "platform/IniFile.h"
#include "platform/NumberText.h"
#include "platform/PathResolver.h"
#include "platform/RuntimeError.h"
#include "platform/SafeFile.h"
#include "render/PageRenderer.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>

#include <cstdio>

namespace {

// The scroll bars of the canvas run from 0 to 400.
constexpr int MaxScroll = 400;

std::optional<std::pair<int, int>> parsePair(const QString &text, QChar separator)
{
    const QStringList parts = text.split(separator);
    if (parts.size() != 2)
        return std::nullopt;
    const auto a = NumberText::tryParse(parts[0].trimmed());
    const auto b = NumberText::tryParse(parts[1].trimmed());
    if (!a || !b)
        return std::nullopt;
    return std::pair(*a, *b);
}

QSize parseSize(const QString &text)
{
    const auto size = parsePair(text.toLower(), u'x');
    if (!size || size->first < 1 || size->second < 1 || size->first > PageRenderer::MaxCanvasSide
        || size->second > PageRenderer::MaxCanvasSide)
        throw UsageError(QStringLiteral("--size needs WxH with whole numbers from 1 to %1, not '%2'")
                             .arg(PageRenderer::MaxCanvasSide)
                             .arg(text));
    return QSize(size->first, size->second);
}

std::pair<int, int> parseScroll(const QString &text)
{
    const auto scroll = parsePair(text, u',');
    if (!scroll || scroll->first < 0 || scroll->second < 0 || scroll->first > MaxScroll
        || scroll->second > MaxScroll)
        throw UsageError(QStringLiteral("--scroll needs X,Y with whole numbers from 0 to %1, not '%2'")
                             .arg(MaxScroll)
                             .arg(text));
    return *scroll;
}

int parseNonNegative(const QString &option, const QString &text)
{
    const auto value = NumberText::tryParse(text);
    if (!value || *value < 0)
        throw UsageError(QStringLiteral("%1 needs a whole number 0 or above, not '%2'").arg(option, text));
    return *value;
}

// LINE counts from 1 as an editor (and the warnings) count the design
// file's lines; SelectedLine counts from 0 and must name an element's kind word.
int parseSelection(const QString &text, const QStringList &lines)
{
    const auto number = NumberText::tryParse(text);
    if (!number || *number < 1)
        throw UsageError(QStringLiteral("--select needs a line number 1 or above, not '%1'").arg(text));
    RecordWalker walker(lines);
    while (walker.next())
        if (walker.line() == *number - 1 && walker.item() == RecordWalker::Item::Element)
            return walker.line();
    throw UsageError(QStringLiteral("--select %1: no element record starts on that line").arg(*number));
}

// A number key that is not a number is a warning; its default is used.
Settings readSettings(const QString &path)
{
    if (path.isEmpty())
        return Settings();
    if (!QFileInfo(path).isFile())
        throw RuntimeError::cannotOpen(path);
    QStringList problems;
    const Settings settings = Settings::read(IniFile(path), &problems);
    for (const QString &problem : problems)
        warn(path + QStringLiteral(": ") + problem);
    return settings;
}

GameClient openClient(const QString &dir)
{
    GameClient client = GameClient::open(dir);
    requireClientGumps(client.gumps, dir);
    if (!client.items)
        warn(QStringLiteral("no item art in %1; tilepics are drawn as numbered boxes").arg(dir));
    return client;
}

} // namespace

int runRenderCommand(const QStringList &args)
{
    const ParsedArguments parsed = parseArguments(
        args,
        {QStringLiteral("--out"), QStringLiteral("--page"), QStringLiteral("--data"), QStringLiteral("--size"),
         QStringLiteral("--scroll"), QStringLiteral("--select"), QStringLiteral("--settings"),
         QStringLiteral("--client"), QStringLiteral("--branches")},
        {QStringLiteral("--no-page0"), QStringLiteral("--placeholders")});
    if (parsed.positional.size() != 1)
        throw UsageError(QStringLiteral("render needs exactly one design file"));
    const QString out = parsed.required(QStringLiteral("--out"));
    if (out.isEmpty())
        throw UsageError(QStringLiteral("--out needs a file name"));

    RenderOptions options;
    options.page = QString::number(parseNonNegative(QStringLiteral("--page"), parsed.value(QStringLiteral("--page"), "0")));
    options.canvasSize = parseSize(parsed.value(QStringLiteral("--size"), QStringLiteral("548x400")));
    std::tie(options.scrollX, options.scrollY) = parseScroll(parsed.value(QStringLiteral("--scroll"), "0,0"));
    options.alwaysDrawPage0 = !parsed.has(QStringLiteral("--no-page0"));
    options.placeholders = parsed.has(QStringLiteral("--placeholders"));
    if (parsed.has(QStringLiteral("--branches"))) {
        const QString text = parsed.value(QStringLiteral("--branches"));
        const std::optional<BranchChoice> choice = BranchChoice::parse(text);
        if (!choice)
            throw UsageError(QStringLiteral("--branches needs 'all', 'first' or branch numbers by condition "
                                            "such as 0,1,0, not '%1'")
                                 .arg(text));
        options.branches = *choice;
    }

    const QString appDir = dataFolderOption(parsed);
    const Settings settings = readSettings(parsed.value(QStringLiteral("--settings")));
    options.transparent = settings.transparent;
    options.perfectText = settings.perfectText;
    // The two radio buttons: the later one read wins, as when the options window loads them.
    options.blackColorBlack = !settings.allSelectionColor;
    options.backgroundColor = settings.backgroundColor;
    options.selectionColor = settings.selectionColor;
    options.cacheImages = settings.cacheImages;

    const QStringList lines = Document::loadProjectFile(parsed.positional.first());
    if (parsed.has(QStringLiteral("--select")))
        options.selectedLine = parseSelection(parsed.value(QStringLiteral("--select")), lines);

    PageRenderer renderer(appDir);
    if (parsed.has(QStringLiteral("--client")))
        renderer.setGameClient(openClient(parsed.value(QStringLiteral("--client"))));
    const QString fontPath = PathResolver::resolve(appDir, BitmapFontFile::FileName);
    if (!renderer.loadFont(fontPath))
        warn(QStringLiteral("no font in %1; texts are not drawn").arg(fontPath));
    const RenderResult result = renderer.render(lines, options);
    for (const QString &problem : result.problems)
        warn(problem);
    QByteArray png;
    QBuffer pngBuffer(&png);
    if (!pngBuffer.open(QIODevice::WriteOnly) || !result.page.save(&pngBuffer, "PNG"))
        throw RuntimeError::cannotCreate(out);
    SafeFile::write(out, png);

    // The select list as the designer's drop-down shows it; bytes as they
    // stood in the design file (8-bit, or UTF-8 for letters past that set).
    const bool utf8 = DesignHead::needsUtf8(lines);
    QByteArray listing;
    for (const QString &entry : result.selectEntries)
        listing += (utf8 ? entry.toUtf8() : entry.toLatin1()) + '\n';
    std::fwrite(listing.constData(), 1, size_t(listing.size()), stdout);
    return std::fflush(stdout) == 0 ? 0 : 1;
}
