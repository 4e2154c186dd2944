#include "DifferentialRun.h"

#include "document/RecordWalker.h"
#include "platform/RuntimeError.h"
#include "sphere/CheckedFields.h"
#include "sphere/SphereExport.h"
#include "support/DialogPresses.h"

#include <QSet>

QString JudgedDesign::report() const
{
    QString r = QStringLiteral("dialog %1\n--- design\n").arg(dialog);
    for (qsizetype i = 0; i < lines.size(); ++i)
        r += QStringLiteral("%1: %2\n").arg(i + 1, 3).arg(QString(lines[i]).replace(QStringLiteral("\r\n"), QStringLiteral(" \u23CE ")));
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

QStringList DifferentialRun::without(const QStringList &lines, const QSet<int> &recordLines)
{
    QList<std::pair<int, int>> cuts;   // first line (from 0), count
    RecordWalker w(lines);
    while (w.next()) {
        const bool record = w.item() == RecordWalker::Item::Element || w.item() == RecordWalker::Item::CloseBlock;
        if (record && recordLines.contains(w.line() + 1))
            cuts.append({w.line(), w.length()});
    }
    QStringList kept = lines;
    for (auto it = cuts.crbegin(); it != cuts.crend(); ++it)
        kept.remove(it->first, std::min<qsizetype>(it->second, kept.size() - it->first));
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

} // namespace

QList<JudgedDesign> DifferentialRun::judge(const QList<QStringList> &designs, QString *serverError)
{
    QList<JudgedDesign> judged;
    QList<std::pair<QString, QByteArray>> files;
    QList<std::pair<QString, QList<DialogPress>>> presses;
    QList<QStringList> shownLines;   // what is judged: the design, or the part of it the export takes
    QList<QList<DesignProblem>> shownProblems;   // the check of that part, whose lines the differences name
    QList<QList<ExpectedPress>> expected;
    for (qsizetype i = 0; i < designs.size(); ++i) {
        JudgedDesign j;
        j.dialog = QStringLiteral("d_judged_%1").arg(i);
        j.lines = designs[i];
        j.problems = DesignCheck::run(j.lines, nullptr, SphereDialect::V55iTo99g);
        for (const DesignProblem &p : std::as_const(j.problems))
            j.check << DesignCheck::compilerLine(j.dialog, p) + (p.field.isEmpty() ? QString() : " [" + p.field + "]");
        QStringList lines = j.lines;
        j.refusal = exportInto(j, lines, m_appDir, files);
        if (!j.refusal.isEmpty()) {
            // The refusal is the error entries' when the design exports
            // without their elements; the rest is judged as usual.
            QSet<int> erring;
            for (const DesignProblem &p : std::as_const(j.problems))
                if (p.severity == DesignProblem::Severity::Error && !p.field.isEmpty())
                    erring.insert(p.line);
            lines = without(j.lines, erring);
            j.refusalNamed = !erring.isEmpty() && exportInto(j, lines, m_appDir, files).isEmpty();
            if (!j.refusalNamed)
                lines.clear();
        }
        QList<ExpectedPress> model = lines.isEmpty() ? QList<ExpectedPress>() : ReplyModel::pressesOf(lines);
        QList<DialogPress> list;
        for (const ExpectedPress &p : std::as_const(model))
            list << p.press;
        if (!lines.isEmpty())
            presses.append({j.dialog, list});
        shownLines << lines;
        shownProblems << (lines == j.lines ? j.problems : DesignCheck::run(lines, nullptr, SphereDialect::V55iTo99g));
        expected << model;
        judged << j;
    }
    const PressedDialogs shown = pressDialogs(files, presses);
    if (serverError)
        *serverError = shown.error;
    for (qsizetype i = 0; i < judged.size(); ++i) {
        JudgedDesign &j = judged[i];
        if (shownLines[i].isEmpty())
            continue;
        const PressedDialog got = shown.dialogs.value(j.dialog);
        const std::optional<ReceivedGump> &gump = got.gump;
        const ShownDialog server = gump ? ShownDialogs::ofGump(gump->x, gump->y, gump->controls, gump->texts)
                                        : ShownDialog{};
        const ShownDialog designer = ShownDialogs::ofDesign(shownLines[i], m_appDir);
        j.elements = int(designer.elements.size());
        QList<ShownDifference> differences = ShownDialogs::compare(designer, server);
        if (!gump)
            differences.prepend({-1, QStringLiteral("no gump arrived")});
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
        for (const ShownDifference &d : std::as_const(differences))
            (isNamed(d, shownProblems[i]) ? j.named : j.silent) << d;
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
