#include "DifferentialRun.h"

#include "document/RecordWalker.h"
#include "platform/RuntimeError.h"
#include "sphere/CheckedFields.h"
#include "sphere/SphereExport.h"
#include "sphereclient/GumpReply.h"
#include "support/DialogPresses.h"

#include <QSet>

#include <numeric>

QString JudgedDesign::report() const
{
    QString r = QStringLiteral("dialog %1\n--- design\n").arg(dialog);
    for (qsizetype i = 0; i < lines.size(); ++i)
        r += QStringLiteral("%1: %2\n").arg(i + 1, 3).arg(QString(lines[i]).replace(QStringLiteral("\r\n"), QStringLiteral(" \u23CE ")));
    if (!expected.isEmpty()) {
        r += QStringLiteral("--- what the server must show\n");
        for (const QString &line : expected)
            r += QString(line).replace(QStringLiteral("\r\n"), QStringLiteral(" \u23CE ")) + u'\n';
    }
    r += QStringLiteral("--- script\n") + script.join(u'\n') + u'\n';
    if (!refusal.isEmpty())
        r += QStringLiteral("--- refused%1: %2 (the rest judged without the erring elements; lines below are "
                            "those of the rest)\n").arg(refusalNamed ? QString() : QStringLiteral(" silently"), refusal);
    for (const QString &line : check)
        r += QStringLiteral("check: %1\n").arg(line);
    for (const ShownDifference &d : silent)
        r += QStringLiteral("silent, line %1 (%2): %3\n").arg(d.designLine).arg(d.field, d.what);
    for (const ShownDifference &d : named)
        r += QStringLiteral("named, line %1 (%2): %3\n").arg(d.designLine).arg(d.field, d.what);
    return r;
}

void DifferentialTotals::add(const DifferentialTotals &o)
{
    designs += o.designs, differences += o.differences, named += o.named, silent += o.silent;
    refused += o.refused, refusedSilently += o.refusedSilently, pressed += o.pressed, matched += o.matched;
    elements += o.elements;
    for (auto it = o.namedByField.cbegin(); it != o.namedByField.cend(); ++it)
        namedByField[it.key()] += it.value();
}

QString DifferentialTotals::summary() const
{
    QStringList fields;
    for (auto it = namedByField.cbegin(); it != namedByField.cend(); ++it)
        fields << QStringLiteral("%1 %2").arg(it.key()).arg(it.value());
    return QStringLiteral("designs %1, refused %2 (%3 silently), differences named by the check %4 (%5), "
                          "silent differences %6, buttons pressed %7, replies matched %8, elements compared %9")
        .arg(designs).arg(refused).arg(refusedSilently).arg(named).arg(fields.join(QStringLiteral(", ")))
        .arg(silent).arg(pressed).arg(matched).arg(elements);
}

bool DifferentialRun::isNamed(const ShownDifference &d, const QList<DesignProblem> &problems)
{
    const bool wholeElement = d.field == CheckedFields::Element;
    return std::any_of(problems.cbegin(), problems.cend(), [&](const DesignProblem &p) {
        if (p.field.isEmpty())
            return false;   // advice names nothing
        // A page the server reads otherwise moves and reorders its elements.
        if (d.pageLine > 0 && p.line == d.pageLine && p.field == CheckedFields::Page)
            return true;
        return p.line == d.designLine && (wholeElement || p.field == d.field || p.field == CheckedFields::Element);
    });
}

namespace {

// The records to cut: first line (from 0) and count, of the element and close
// block records on the given lines (from 1), or whose line `sourceOf` gives is.
QList<std::pair<int, int>> cutsOf(const QStringList &lines, const QSet<int> &recordLines,
                                  const std::function<int(int)> &sourceOf)
{
    QList<std::pair<int, int>> cuts;
    RecordWalker w(lines);
    while (w.next()) {
        const bool record = w.item() == RecordWalker::Item::Element || w.item() == RecordWalker::Item::CloseBlock;
        if (record && recordLines.contains(sourceOf(w.line())))
            cuts.append({w.line(), w.length()});
    }
    return cuts;
}

template <typename List>
List cut(List kept, const QList<std::pair<int, int>> &cuts)
{
    for (auto it = cuts.crbegin(); it != cuts.crend(); ++it)
        kept.remove(it->first, std::min<qsizetype>(it->second, kept.size() - it->first));
    return kept;
}

} // namespace

QStringList DifferentialRun::without(const QStringList &lines, const QSet<int> &recordLines)
{
    return cut(lines, cutsOf(lines, recordLines, [](int line) { return line + 1; }));
}

GeneratedDesign DifferentialRun::without(const GeneratedDesign &d, const QSet<int> &recordLines)
{
    const QList<std::pair<int, int>> logicCuts = cutsOf(d.lines, recordLines, [](int line) { return line + 1; });
    GeneratedDesign kept{cut(d.lines, logicCuts), {}, {}};
    if (!d.hasLogic())
        return kept;
    // A dorigin line stands in for each record cut: a place "*n" of it moved
    // the origin for the rest, which keeps its places so, and a DOSWITCH
    // around it still counts its lines alike.
    QList<int> inserted;   // per cut: the lines put in its place
    int removedBefore = 0;
    for (const auto &[first, count] : logicCuts) {
        const QString x = d.lines.value(first + 1), y = d.lines.value(first + 2);
        const int at = first - removedBefore + int(std::accumulate(inserted.cbegin(), inserted.cend(), 0));
        inserted << 2;
        removedBefore += count;
        kept.lines.insert(at, QStringLiteral("dorigin *%1 *%2").arg(x.startsWith(u'*') ? x.mid(1) : "0",
                                                                    y.startsWith(u'*') ? y.mid(1) : "0"));
        kept.lines.insert(at, QStringLiteral("script"));
    }
    const auto source = [&](int line) { return d.expectedSource.value(line, -1); };
    const QList<std::pair<int, int>> cuts = cutsOf(d.expected, recordLines, source);
    kept.expected = cut(d.expected, cuts);
    for (int from : cut(d.expectedSource, cuts)) {
        int moved = from;
        for (qsizetype c = 0; c < logicCuts.size(); ++c)
            if (logicCuts[c].first + 1 < from)
                moved -= logicCuts[c].second - inserted[c];
        kept.expectedSource << moved;
    }
    return kept;
}

namespace {

// Exports one design into its script file; the export's message when it stops.
QString exportInto(JudgedDesign &j, const QStringList &lines, const QString &appDir,
                   QList<std::pair<QString, QByteArray>> &files)
{
    j.script.clear();
    try {
        writeSphereScript(lines, SphereDialect::V55iTo99g, j.dialog, appDir, j.script);
    } catch (const RuntimeError &e) {
        return e.message();
    }
    files.append({j.dialog + QStringLiteral(".scp"), encodeScript(j.script, SphereDialect::Encoding::Utf8, "\r\n")});
    return {};
}

// A press whose reply passes what the server reads drops the session, and
// every press after it. The entry whose text takes the replies past it, by
// its line (from 1); 0 when every reply fits, -1 when none of them is the cause.
int replyPastLimit(const QList<ExpectedPress> &presses, const QStringList &lines)
{
    const bool fits = std::all_of(presses.cbegin(), presses.cend(), [](const ExpectedPress &p) {
        const auto packet = writeGumpReply(GumpReply{0, 0, p.press.button, p.press.switches, p.press.entries});
        return packet && packet->size() <= DesignCheck::MaxReplyBytes;
    });
    if (fits)
        return 0;
    int bytes = DesignCheck::ReplyHeadBytes;
    RecordWalker w(lines);
    while (w.next())
        if (w.item() == RecordWalker::Item::Element && w.kind() == ElementKind::Textentry && w.complete()
            && (bytes += DesignCheck::replyBytesOfEntry(w.field(8))) > DesignCheck::MaxReplyBytes)
            return w.line() + 1;
    return -1;
}

} // namespace

QList<JudgedDesign> DifferentialRun::judge(const QList<QStringList> &designs, QString *serverError)
{
    QList<GeneratedDesign> generated;
    for (const QStringList &lines : designs)
        generated << GeneratedDesign{lines, {}, {}};
    return judge(generated, serverError);
}

QList<JudgedDesign> DifferentialRun::judge(const QList<GeneratedDesign> &designs, QString *serverError)
{
    QList<JudgedDesign> judged;
    QList<std::pair<QString, QByteArray>> files;
    QList<std::pair<QString, QList<DialogPress>>> presses;
    QList<GeneratedDesign> shownDesigns;   // what is judged: the design, or the part of it the export takes
    QList<QList<DesignProblem>> shownProblems;   // the check of that part, whose lines the differences name
    QList<QList<ExpectedPress>> expected;
    QList<int> unpressed;   // per design: replyPastLimit()
    for (qsizetype i = 0; i < designs.size(); ++i) {
        JudgedDesign j;
        j.dialog = QStringLiteral("d_judged_%1").arg(i);
        j.lines = designs[i].lines;
        j.expected = designs[i].expected;
        j.problems = DesignCheck::run(j.lines, nullptr, SphereDialect::V55iTo99g);
        for (const DesignProblem &p : std::as_const(j.problems))
            j.check << DesignCheck::compilerLine(j.dialog, p) + (p.field.isEmpty() ? QString() : " [" + p.field + "]");
        GeneratedDesign shown = designs[i];
        j.refusal = exportInto(j, shown.lines, m_appDir, files);
        if (!j.refusal.isEmpty()) {
            // The refusal is the error entries' when the design exports
            // without their elements; the rest is judged as usual.
            QSet<int> erring;
            for (const DesignProblem &p : std::as_const(j.problems))
                if (p.severity == DesignProblem::Severity::Error && !p.field.isEmpty())
                    erring.insert(p.line);
            shown = without(designs[i], erring);
            j.refusalNamed = !erring.isEmpty() && exportInto(j, shown.lines, m_appDir, files).isEmpty();
            if (!j.refusalNamed)
                shown = {};
        }
        const QStringList &lines = shown.lines;
        const QStringList &modelLines = shown.hasLogic() ? shown.expected : lines;
        QList<ExpectedPress> model = lines.isEmpty() ? QList<ExpectedPress>() : ReplyModel::pressesOf(modelLines);
        // Such a design is shown, not pressed.
        const int pastLimit = replyPastLimit(model, modelLines);
        if (pastLimit != 0)
            model.clear();
        unpressed << pastLimit;
        QList<DialogPress> list;
        for (const ExpectedPress &p : std::as_const(model))
            list << p.press;
        if (!lines.isEmpty())
            presses.append({j.dialog, list});
        shownProblems << (lines == j.lines ? j.problems : DesignCheck::run(lines, nullptr, SphereDialect::V55iTo99g));
        shownDesigns << shown;
        expected << model;
        judged << j;
    }
    const PressedDialogs shown = pressDialogs(files, presses);
    if (serverError)
        *serverError = shown.error;
    for (qsizetype i = 0; i < judged.size(); ++i) {
        JudgedDesign &j = judged[i];
        const GeneratedDesign &design = shownDesigns[i];
        if (design.lines.isEmpty())
            continue;
        const PressedDialog got = shown.dialogs.value(j.dialog);
        const std::optional<ReceivedGump> &gump = got.gump;
        const ShownDialog server = gump ? ShownDialogs::ofGump(gump->x, gump->y, gump->controls, gump->texts)
                                        : ShownDialog{};
        const ShownDialog designer = ShownDialogs::ofDesign(design.hasLogic() ? design.expected : design.lines, m_appDir);
        j.elements = int(designer.elements.size());
        QList<ShownDifference> differences = ShownDialogs::compare(designer, server);
        if (!gump)
            differences.prepend({-1, QStringLiteral("no gump arrived")});
        if (unpressed[i] != 0)
            differences << ShownDifference{unpressed[i], QStringLiteral("a press's reply would pass the %1 bytes the "
                                                                        "server reads, and it would drop the player")
                                                             .arg(DesignCheck::MaxReplyBytes),
                                           -1, CheckedFields::Text};
        for (qsizetype k = 0; k < expected[i].size(); ++k) {
            const ExpectedPress &e = expected[i][k];
            const QStringList ran = ReplyModel::markersIn(got.messages.value(k));
            ++j.pressed;
            if (ran == e.markers) {
                ++j.matched;
                continue;
            }
            differences << ShownDifference{e.line,
                                           QStringLiteral("pressing %1 ran [%2], the design holds [%3]")
                                               .arg(e.press.button)
                                               .arg(ran.join(QStringLiteral(", ")), e.markers.join(QStringLiteral(", "))),
                                           -1, CheckedFields::Events};
        }
        // A line of the expected design stands for the logic line it comes from.
        const auto source = [&](int line) {
            return design.hasLogic() && line > 0 ? design.expectedSource.value(line - 1, -1) : line;
        };
        for (ShownDifference d : std::as_const(differences)) {
            d.designLine = source(d.designLine);
            d.pageLine = source(d.pageLine);
            (isNamed(d, shownProblems[i]) ? j.named : j.silent) << d;
        }
    }
    return judged;
}

DifferentialTotals DifferentialRun::totals(const QList<JudgedDesign> &judged)
{
    DifferentialTotals t;
    for (const JudgedDesign &j : judged) {
        ++t.designs;
        if (!j.refusal.isEmpty()) {
            ++t.refused;
            t.refusedSilently += !j.refusalNamed;
        }
        t.named += int(j.named.size());
        t.silent += int(j.silent.size());
        t.pressed += j.pressed;
        t.matched += j.matched;
        t.elements += j.elements;
        for (const ShownDifference &d : j.named)
            ++t.namedByField[d.field];
    }
    t.differences = t.named + t.silent;
    return t;
}
