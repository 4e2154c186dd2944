#include "DifferentialRun.h"

#include "platform/RuntimeError.h"
#include "sphere/DesignCheck.h"
#include "sphere/SphereExport.h"
#include "support/SphereTestServer.h"

#include <QSet>

QString JudgedDesign::report() const
{
    QString r = QStringLiteral("dialog %1\n--- design\n").arg(dialog);
    for (qsizetype i = 0; i < lines.size(); ++i)
        r += QStringLiteral("%1: %2\n").arg(i + 1, 3).arg(QString(lines[i]).replace(QStringLiteral("\r\n"), QStringLiteral(" \u23CE ")));
    r += QStringLiteral("--- script\n") + script.join(u'\n') + u'\n';
    if (!refusal.isEmpty())
        r += QStringLiteral("--- refused: %1\n").arg(refusal);
    for (const QString &line : check)
        r += QStringLiteral("check: %1\n").arg(line);
    for (const ShownDifference &d : silent)
        r += QStringLiteral("silent, line %1: %2\n").arg(d.designLine).arg(d.what);
    for (const ShownDifference &d : named)
        r += QStringLiteral("named, line %1: %2\n").arg(d.designLine).arg(d.what);
    return r;
}

namespace {

// Advice about the design itself (where it stands, what it overlaps, what a
// player can reach) says nothing of how the server reads it, and names no
// difference.
bool namesAMisreading(const DesignProblem &problem)
{
    static const QStringList advice = {
        "off the screen", "on the screen, past", "like the", "no button switches to page",
        "which the design does not have", "no radio of group", "too narrow for one character",
        "the server cannot tell them apart", "does not close the dialog", "is missing or cannot be read",
        "lacks some of its nine pieces", "the text window warns against",
    };
    return std::none_of(advice.cbegin(), advice.cend(),
                        [&](const QString &words) { return problem.message.contains(words); });
}

} // namespace

QList<JudgedDesign> DifferentialRun::judge(const QList<QStringList> &designs, QString *serverError)
{
    QList<JudgedDesign> judged;
    QList<std::pair<QString, QByteArray>> files;
    QStringList dialogs;
    for (qsizetype i = 0; i < designs.size(); ++i) {
        JudgedDesign j;
        j.dialog = QStringLiteral("d_judged_%1").arg(i);
        j.lines = designs[i];
        try {
            writeSphereScript(j.lines, SphereDialect::V55iTo99g, j.dialog, m_appDir, j.script);
            files.append({j.dialog + QStringLiteral(".scp"),
                          encodeScript(j.script, SphereDialect::Encoding::Utf8, "\r\n")});
            dialogs << j.dialog;
        } catch (const RuntimeError &e) {
            j.refusal = e.message();
        }
        judged << j;
    }
    const JudgedDialogs shown = judgeDialogs(files, dialogs);
    if (serverError)
        *serverError = shown.error;
    for (JudgedDesign &j : judged) {
        const QList<DesignProblem> problems = DesignCheck::run(j.lines, nullptr, SphereDialect::V55iTo99g);
        QSet<int> namedLines;
        for (const DesignProblem &p : problems) {
            j.check << DesignCheck::compilerLine(j.dialog, p);
            if (namesAMisreading(p))
                namedLines.insert(p.line);
        }
        if (!j.refusal.isEmpty()) {
            j.refusalNamed = DesignCheck::hasErrors(problems);
            continue;
        }
        const std::optional<ReceivedGump> gump = shown.gumps.value(j.dialog);
        const ShownDialog server = gump ? ShownDialogs::ofGump(gump->x, gump->y, gump->controls, gump->texts)
                                        : ShownDialog{};
        QList<ShownDifference> differences = ShownDialogs::compare(ShownDialogs::ofDesign(j.lines, m_appDir), server);
        if (!gump)
            differences.prepend({-1, QStringLiteral("no gump arrived")});
        for (const ShownDifference &d : differences)
            (namedLines.contains(d.designLine) || namedLines.contains(d.pageLine) ? j.named : j.silent) << d;
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
    }
    t.differences = t.named + t.silent;
    return t;
}
