#include "document/DocumentCommands.h"
#include "document/SelectionCommands.h"
#include "document/UndoSteps.h"

#include <QUndoStack>

namespace DocumentCommands {

namespace {

// LocationLine and MiscLine are refreshed by each render; a stale one that no
// longer points at its record counts as none.
bool pointsAt(const EditorState &state, int line, const QString &word)
{
    return line >= 0 && state.DATA.line(line) == word;
}

void startFreshHistory(EditorState &state)
{
    if (state.History)
        state.History->clear();   // also marks it clean
}

} // namespace

void newDocument(EditorState &state)
{
    // The Modify controls go with the element they showed.
    SelectionCommands::clearBasic(state);
    state.Page = QStringLiteral("0");
    state.DATA.reset(state.Page);
    state.FileName.clear();
    startFreshHistory(state);
    state.noteChanged();
}

void openDocument(EditorState &state, QStringList lines, const QString &fileName)
{
    state.DATA.replaceAll(std::move(lines));
    state.FileName = fileName;
    // The design's first page, whatever page the one before showed.
    const qsizetype open = state.DATA.lines().indexOf(QStringLiteral("{BOP"));
    state.Page = open >= 0 && open + 1 < state.DATA.size() ? state.DATA.line(int(open) + 1) : QStringLiteral("0");
    startFreshHistory(state);
    state.noteChanged();
}

void importDocument(EditorState &state, QStringList lines)
{
    // An imported design has no file yet, so Save asks for one instead of
    // writing over the design that was open before.
    recordStep<UndoSteps::ReplaceDocument>(state, [&] {
        SelectionCommands::clearBasic(state);
        state.DATA.replaceAll(std::move(lines));
        state.FileName.clear();
        // The page box shows the dialog's first page, whatever it showed before.
        const qsizetype open = state.DATA.lines().indexOf(QStringLiteral("{BOP"));
        if (open >= 0 && open + 1 < state.DATA.size())
            state.Page = state.DATA.line(int(open) + 1);
    }, QStringLiteral("Import"), QString(state.FileName));
}

void changePage(EditorState &state, const QString &pageText)
{
    recordStep<UndoSteps::CreatePage>(state, [&] {
        state.Dragging = false;
        state.Page = pageText;
        state.DATA.ensurePage(pageText);
        SelectionCommands::clearBasic(state);
    }, pageText);
}

std::optional<Location> location(const EditorState &state)
{
    const int at = state.LocationLine;
    if (!pointsAt(state, at, Records::Location))
        return std::nullopt;
    return Location{state.DATA.line(at + 1), state.DATA.line(at + 2)};
}

static void writeLocation(EditorState &state, const Location &location)
{
    state.DATA.setLocation(location.x, location.y);
}

std::optional<WindowFlags> windowFlags(const EditorState &state)
{
    const int at = state.MiscLine;
    if (!pointsAt(state, at, Records::Misc))
        return std::nullopt;
    return WindowFlags{state.DATA.line(at + 1) == u"1", state.DATA.line(at + 2) == u"1"};
}

static void writeWindowFlags(EditorState &state, const WindowFlags &flags)
{
    state.DATA.setWindowFlags(flags.canNotClose, flags.canNotMove);
}

void storeLocation(EditorState &state, const Location &location)
{
    recordStep<UndoSteps::SetLocation>(state, [&] { writeLocation(state, location); });
}

void storeWindowFlags(EditorState &state, const WindowFlags &flags)
{
    recordStep<UndoSteps::SetWindowFlags>(state, [&] { writeWindowFlags(state, flags); });
}

QString closeBlock(const EditorState &state)
{
    return state.DATA.closeBlock();
}

bool storeCloseBlock(EditorState &state, const QString &events)
{
    if (events == state.DATA.closeBlock())
        return false;
    recordStep<UndoSteps::SetCloseBlock>(state, [&] { state.DATA.setCloseBlock(events); });
    return true;
}

} // namespace DocumentCommands
