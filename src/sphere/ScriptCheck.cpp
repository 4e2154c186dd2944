#include "sphere/ScriptCheck.h"
#include "document/RecordWalker.h"
#include "document/ScriptNesting.h"
#include "platform/SphereEventLine.h"
#include "sphere/CheckedFields.h"
#include "sphere/SphereDialect.h"
#include "sphere/SphereScript.h"

#include <algorithm>

namespace ScriptCheck {

namespace {

// The control word of a script line the older dialect has no control for.
QString controlTheOldDialectLacks(const QString &line)
{
    static const QStringList lacking = {
        QStringLiteral("dtext"),       QStringLiteral("dcroppedtext"),     QStringLiteral("dhtmlgump"),
        QStringLiteral("dtextentry"),  QStringLiteral("dtextentrylimited"), QStringLiteral("htmlgump"),
        QStringLiteral("xmfhtmlgump"), QStringLiteral("xmfhtmlgumpcolor"), QStringLiteral("textentrylimited"),
        QStringLiteral("tilepichue"),
    };
    const QStringList words = SphereScript::arguments(SphereScript::cleanLine(line));
    if (words.isEmpty())
        return {};
    const QString word = words.first().toLower();
    if (lacking.contains(word))
        return word;
    // gumppic's fourth value is a hue, which the older servers do not send.
    return word == u"gumppic" && words.size() > 4 ? QStringLiteral("gumppic with a hue") : QString();
}

} // namespace

QList<DesignProblem> run(const QStringList &lines, const QString &dialect)
{
    using Severity = DesignProblem::Severity;
    QList<DesignProblem> found;
    ScriptNesting nesting;
    bool anyScript = false;
    RecordWalker w(lines);
    while (w.next()) {
        if (w.item() == RecordWalker::Item::Element && Records::isScript(w.kind())) {
            anyScript = true;
            const QString line = w.field(Records::ScriptLineField);
            nesting.statement(w.line(), line);
            if (const QString trap = SphereEventLine::trap(line); !trap.isEmpty())
                found << DesignProblem{w.line() + 1, Severity::Error,
                                       QStringLiteral("script line: ") + trap + QStringLiteral("; the export stops there"),
                                       CheckedFields::Element};
            else if (const QString lacking = dialect == SphereDialect::V48eTo51a ? controlTheOldDialectLacks(line)
                                                                                 : QString();
                     !lacking.isEmpty())
                found << DesignProblem{w.line() + 1, Severity::Warning,
                                       QStringLiteral("script line: dialect %1 has no %2; the export writes the line "
                                                      "as it is, and an older server does not read it")
                                           .arg(dialect, lacking),
                                       CheckedFields::Element};
            continue;
        }
        if (w.item() == RecordWalker::Item::PageOpen && nesting.depth() > 0) {
            const ScriptNesting::Span &span = nesting.spans()[std::size_t(nesting.current().span)];
            found << DesignProblem{w.line() + 1, Severity::Information,
                                   QStringLiteral("page %1 begins inside the %2 of line %3; the server sends it only "
                                                  "when that runs")
                                       .arg(w.field(1), span.word, QString::number(span.open + 1)),
                                   CheckedFields::Page};
        }
        nesting.other(w.line());
    }
    if (!anyScript)
        return found;
    nesting.finish();
    for (const ScriptNesting::Fault &fault : nesting.faults())
        found << DesignProblem{fault.line + 1, Severity::Error, QStringLiteral("script line: ") + fault.message,
                               CheckedFields::Element};
    return found;
}

void mergeInto(QList<DesignProblem> &problems, const QStringList &lines, const QString &dialect)
{
    const QList<DesignProblem> found = run(lines, dialect);
    if (found.isEmpty())
        return;
    problems << found;
    std::stable_sort(problems.begin(), problems.end(),
                     [](const DesignProblem &a, const DesignProblem &b) { return a.line < b.line; });
}

} // namespace ScriptCheck
