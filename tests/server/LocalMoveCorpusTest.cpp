// Real dialogs with script logic: moving one control with the designer's own
// move changes, in what the server shows the test character, that control
// alone and by exactly that amount; a control placed by an expression stays.
#include "ShownDialog.h"
#include "support/CorpusIndex.h"
#include "support/SphereTestServer.h"

#include "document/FieldValue.h"
#include "document/LocalMove.h"
#include "document/RecordWalker.h"
#include "document/ScriptNesting.h"
#include "platform/TextFile.h"
#include "sphere/ButtonArtMatcher.h"
#include "sphere/SphereExport.h"
#include "sphere/SphereImport.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

constexpr int SampleSize = 20;
// Of the sample, dialogs whose moved control the server showed, in the last run; fewer is a regression.
constexpr int MinimumShown = 20;
const QPoint Delta(10, 5);

// A control to move: the first line of its record, and what the move must do
// to its place on the server's side.
struct Pick
{
    int line = -1;
    QPoint expected;
    bool relative = false;   // a place written from the origin
};

// What to move in one dialog: controls outside every block (so the server
// shows each once, whatever the character): the first whose place moves in
// its own form (one written from the origin when there is one), and the
// first with a place the server computes from an expression. And a control
// with a place written from the origin inside conditions only (no loop): the
// server shows it once or, when the test character takes another branch, not
// at all.
struct Picks
{
    std::optional<Pick> literal, computed, inBranch;
};

Picks picksOf(const QStringList &lines)
{
    Picks picks;
    const ScriptNesting nesting = ScriptNesting::ofDesign(lines);
    const auto onlyConditions = [&](int span) {
        for (; span >= 0; span = nesting.spans()[span].parent)
            if (nesting.spans()[span].block != ScriptNesting::Block::If
                && nesting.spans()[span].block != ScriptNesting::Block::Begin)
                return false;
        return true;
    };
    RecordWalker walker(lines);
    while (walker.next()) {
        if (walker.item() != RecordWalker::Item::Element || Records::isScript(walker.kind()))
            continue;
        const ScriptNesting::Place place = nesting.placeOf(walker.line());
        const QString x = walker.field(1), y = walker.field(2);
        const bool xExpr = FieldValue::formOf(x) == FieldValue::Form::Expression;
        const bool yExpr = FieldValue::formOf(y) == FieldValue::Form::Expression;
        const bool relative = FieldValue::formOf(x) == FieldValue::Form::Relative
                              || FieldValue::formOf(y) == FieldValue::Form::Relative;
        const bool movable = LocalMove::shifted(x, Delta.x()) && LocalMove::shifted(y, Delta.y());
        if (place.depth != 0) {
            if (!picks.inBranch && movable && relative && onlyConditions(place.span))
                picks.inBranch = Pick{walker.line(), Delta, true};
            continue;
        }
        if (!picks.computed && (xExpr || yExpr))
            picks.computed = Pick{walker.line(), QPoint(xExpr ? 0 : Delta.x(), yExpr ? 0 : Delta.y())};
        if ((!picks.literal || (relative && !picks.literal->relative)) && movable)
            picks.literal = Pick{walker.line(), Delta, relative};
    }
    return picks;
}

// Why the moved dialog is not the base with one control moved by expected
// (nothing moved when expected is null); empty when it is.
QString movedOnlyBy(const ShownDialog &base, const ShownDialog &moved, QPoint expected)
{
    if (base.x != moved.x || base.y != moved.y)
        return QStringLiteral("the dialog itself moved");
    if (base.elements.size() != moved.elements.size())
        return QStringLiteral("%1 elements before the move, %2 after").arg(base.elements.size()).arg(moved.elements.size());
    QList<qsizetype> changed;
    for (qsizetype i = 0; i < base.elements.size(); ++i)
        if (!base.elements[i].sameAs(moved.elements[i]))
            changed << i;
    if (expected.isNull())
        return changed.isEmpty() ? QString() : QStringLiteral("a control placed by an expression moved: ") + moved.elements[changed[0]].describe();
    if (changed.size() != 1)
        return QStringLiteral("%1 controls changed").arg(changed.size());
    ShownElement shifted = base.elements[changed[0]];
    if (shifted.values.size() < 2 || !shifted.values[0] || !shifted.values[1])
        return QStringLiteral("the moved control has no place the client reads");
    shifted.values[0] = *shifted.values[0] + expected.x();
    shifted.values[1] = *shifted.values[1] + expected.y();
    if (!shifted.sameAs(moved.elements[changed[0]]))
        return QStringLiteral("%1 became %2").arg(base.elements[changed[0]].describe(), moved.elements[changed[0]].describe());
    return QString();
}

// The design moved at pick, and whether the move kept each field's form.
QStringList movedDesign(const QStringList &lines, const Pick &pick, QString &fault)
{
    Document document(lines);
    const LocalMove::Outcome outcome = LocalMove::moveBy(document, pick.line, Delta);
    if (outcome.keptX != (pick.expected.x() == 0) || outcome.keptY != (pick.expected.y() == 0))
        fault = QStringLiteral("the move kept other fields than computed ones");
    for (int k = 0; k < lines.size(); ++k) {
        const QString &before = lines[k], &after = document.lines().value(k);
        if (before == after)
            continue;
        if (k != pick.line + 1 && k != pick.line + 2)
            fault = QStringLiteral("line %1 changed: %2").arg(k + 1).arg(after);
        else if (FieldValue::formOf(before) != FieldValue::formOf(after))
            fault = QStringLiteral("\"%1\" changed its form to \"%2\"").arg(before, after);
    }
    return document.lines();
}

struct Sample
{
    QString file;
    QString name;
    Picks picks;
};

TEST(LocalMoveCorpus, MovingOneControlMovesItAloneOnTheServer)
{
    SKIP_WITHOUT_SPHERE_SERVER();
    const QString corpus = QStringLiteral(QM_SPHERE_CORPUS_DIR);
    const QList<CorpusEntry> dialogs = dynamicCorpusEntries(corpus);
    if (dialogs.isEmpty())
        GTEST_SKIP() << "no corpus at " << corpus.toStdString();
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString appDir = dir.path() + u'/';
    ButtonArtMatcher buttons(appDir);

    // Dialogs with a control placed by an expression first, then ones with
    // places written from the origin, so the sample holds some of each.
    enum class Want { Computed, Relative, Any };
    QList<Sample> samples;
    QList<std::pair<QString, QByteArray>> files;
    QStringList names, faults;
    for (const Want want : {Want::Computed, Want::Relative, Want::Any}) {
        for (qsizetype i = 0; i < dialogs.size() && samples.size() < SampleSize; ++i) {
            QFile file(corpus + u'/' + dialogs[i].file);
            if (!file.open(QIODevice::ReadOnly))
                continue;
            const QString name = QStringLiteral("d_move_%1").arg(i);
            if (names.contains(name + "_rt"))
                continue;
            QByteArray bytes = renamedDialog(file.readAll(), dialogs[i].dialog, name);
            if (bytes.startsWith("\xEF\xBB\xBF"))
                bytes.remove(0, 3);
            const ImportResult imported = SphereImport::importLines(TextFile::splitUtf8Lines(bytes), name, buttons);
            if (!imported.imported)
                continue;
            const Picks picks = picksOf(imported.lines);
            if (!picks.literal || (want == Want::Computed && !picks.computed)
                || (want == Want::Relative && !picks.literal->relative && !picks.inBranch))
                continue;
            const auto encoding = bytes.isValidUtf8() ? SphereDialect::Encoding::Utf8 : SphereDialect::Encoding::EightBit;
            Sample sample{dialogs[i].file, name, picks};
            QList<std::pair<QString, QByteArray>> exported;
            try {
                const auto write = [&](const QStringList &lines, const QString &suffix) {
                    QStringList script;
                    writeSphereScript(lines, SphereDialect::V55iTo99g, name + suffix, appDir, script);
                    exported.append({name + suffix + ".scp", encodeScript(script, encoding, "\r\n")});
                };
                QString fault;
                write(imported.lines, "_rt");
                write(movedDesign(imported.lines, *picks.literal, fault), "_mv");
                if (picks.computed)
                    write(movedDesign(imported.lines, *picks.computed, fault), "_ex");
                if (picks.inBranch)
                    write(movedDesign(imported.lines, *picks.inBranch, fault), "_br");
                if (!fault.isEmpty())
                    faults << dialogs[i].file + ": " + fault;
            } catch (const std::exception &) {
                continue;
            }
            files << exported;
            for (const auto &f : std::as_const(exported))
                names << f.first.chopped(4);
            samples << sample;
        }
    }
    ASSERT_EQ(samples.size(), SampleSize);

    const JudgedDialogs judged = judgeDialogs(files, names);
    ASSERT_TRUE(judged.error.isEmpty()) << judged.error.toStdString();
    int shown = 0, computedShown = 0, relative = 0, branchShown = 0, branchHidden = 0;
    for (const Sample &s : std::as_const(samples)) {
        const auto base = judged.gumps.value(s.name + "_rt");
        if (!base)
            continue;   // the test character is shown nothing of it
        const auto shownOf = [&](const QString &suffix) {
            const auto g = judged.gumps.value(s.name + suffix);
            return g ? std::optional(ShownDialogs::ofGump(g->x, g->y, g->controls, g->texts)) : std::nullopt;
        };
        const ShownDialog before = ShownDialogs::ofGump(base->x, base->y, base->controls, base->texts);
        const std::optional<ShownDialog> moved = shownOf("_mv");
        if (!moved) {
            faults << s.file + ": the moved dialog shows nothing";
            continue;
        }
        if (const QString why = movedOnlyBy(before, *moved, s.picks.literal->expected); !why.isEmpty())
            faults << s.file + ": " + why;
        else
            ++shown, relative += s.picks.literal->relative;
        if (s.picks.computed) {
            const std::optional<ShownDialog> kept = shownOf("_ex");
            if (!kept)
                faults << s.file + ": moving a computed control, the dialog shows nothing";
            else if (const QString why = movedOnlyBy(before, *kept, s.picks.computed->expected); !why.isEmpty())
                faults << s.file + ": " + why;
            else
                ++computedShown;
        }
        if (s.picks.inBranch) {
            const std::optional<ShownDialog> branch = shownOf("_br");
            if (!branch)
                faults << s.file + ": moving a control in a branch, the dialog shows nothing";
            else if (movedOnlyBy(before, *branch, QPoint()).isEmpty())
                ++branchHidden;   // the test character is shown another branch
            else if (const QString why = movedOnlyBy(before, *branch, Delta); !why.isEmpty())
                faults << s.file + " (in a branch): " + why;
            else
                ++branchShown;
        }
    }
    std::printf("%d of %d dialogs moved one control by (%d, %d) and the server showed that control alone moved (%d of them written from the origin); "
                "%d moves of a control placed by an expression left it where the server computes it; %d controls "
                "written from the origin inside conditions moved alone, %d more stand in branches the test character "
                "is not shown\n",
                shown, int(samples.size()), Delta.x(), Delta.y(), relative, computedShown, branchShown, branchHidden);
    EXPECT_TRUE(faults.isEmpty()) << faults.join(u'\n').toStdString();
    EXPECT_GE(shown, MinimumShown);
}

} // namespace
