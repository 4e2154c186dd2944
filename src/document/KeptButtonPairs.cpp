#include "document/KeptButtonPairs.h"

#include "document/ButtonGumps.h"
#include "document/DocumentHistory.h"
#include "document/RecordWalker.h"
#include "document/UndoSteps.h"

#include <QSet>

namespace KeptButtonPairs {
namespace {

bool keepsArt(ElementKind kind)
{
    return kind == ElementKind::Button || kind == ElementKind::Checkbox || kind == ElementKind::Radio;
}

// Calls found(line of the art field, pair) for every element keeping a pair.
template <class Found>
void forEachKept(const QStringList &lines, Found &&found)
{
    RecordWalker walker(lines);
    while (walker.next()) {
        if (walker.item() != RecordWalker::Item::Element || !keepsArt(walker.kind()))
            continue;
        const int field = Records::artFieldOf(walker.kind());
        if (const auto pair = ButtonGumps::pairOf(walker.field(field)))
            found(walker.line() + field, *pair);
    }
}

} // namespace

QList<std::pair<int, int>> in(const QStringList &designLines)
{
    QList<std::pair<int, int>> pairs;
    QSet<QString> seen;
    forEachKept(designLines, [&](int, std::pair<int, int> pair) {
        if (!seen.contains(ButtonGumps::artName(pair.first, pair.second))) {
            seen.insert(ButtonGumps::artName(pair.first, pair.second));
            pairs << pair;
        }
    });
    return pairs;
}

bool useLibraryArt(EditorState &state, const std::function<std::optional<QString>(int up, int down)> &artOf)
{
    return recordStep<UndoSteps::UseLibraryArt>(state, [&] {
        QList<std::pair<int, QString>> changes;
        forEachKept(state.DATA.lines(), [&](int line, std::pair<int, int> pair) {
            if (const auto art = artOf(pair.first, pair.second))
                changes.append({line, *art});
        });
        for (const auto &[line, art] : std::as_const(changes))
            state.DATA.setLine(line, art);
        return !changes.isEmpty();
    });
}

} // namespace KeptButtonPairs
