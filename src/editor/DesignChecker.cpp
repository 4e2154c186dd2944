#include "editor/DesignChecker.h"
#include "document/Document.h"
#include "sphere/SphereExport.h"

#include <algorithm>

namespace {

Problem::Severity listedSeverity(DesignProblem::Severity severity)
{
    switch (severity) {
    case DesignProblem::Severity::Error: return Problem::Severity::Error;
    case DesignProblem::Severity::Warning: break;
    case DesignProblem::Severity::Information: return Problem::Severity::Information;
    }
    return Problem::Severity::Warning;
}

qsizetype countOf(const QList<DesignProblem> &found, DesignProblem::Severity severity)
{
    return std::count_if(found.cbegin(), found.cend(),
                         [severity](const DesignProblem &p) { return p.severity == severity; });
}

QString counted(qsizetype n, const char *one, const char *many)
{
    return QStringLiteral("%1 %2").arg(n).arg(QLatin1String(n == 1 ? one : many));
}

} // namespace

ArtCatalog &DesignChecker::art(const QString &appDir)
{
    if (!m_art || m_art->appDir() != appDir) {
        m_art = std::make_unique<ArtCatalog>(appDir);
        m_art->setClientArt(m_clientArt);
    }
    return *m_art;
}

void DesignChecker::setClientArt(std::shared_ptr<const GumpArt> art)
{
    m_clientArt = std::move(art);
    if (m_art)
        m_art->setClientArt(m_clientArt);
}

QList<DesignProblem> DesignChecker::check(const QStringList &lines, const QString &appDir, const QString &dialect,
                                          bool freshArt)
{
    const bool made = !m_art || m_art->appDir() != appDir;
    ArtCatalog &catalog = art(appDir);
    if (!made && freshArt)
        catalog.forget();
    // Kinds the chosen export dialect cannot write are named as the export would meet them.
    return DesignCheck::run(lines, &catalog, dialect);
}

void DesignChecker::list(const QList<DesignProblem> &found, const QStringList &lines, const QString &dialect)
{
    QList<Problem> entries;
    for (const DesignProblem &p : found)
        entries << Problem{p.line, p.message, listedSeverity(p.severity), CheckSource};
    m_checkedLines = lines;
    m_checkedDialect = dialect;
    m_problems.setProblems(CheckSource, entries, m_checkedLines);
}

bool DesignChecker::follow(const QStringList &lines, const QString &appDir, const QString &dialect)
{
    if (lines == m_checkedLines && dialect == m_checkedDialect)
        return false;
    list(check(lines, appDir, dialect, false), lines, dialect);
    return true;
}

DesignChecker::Report DesignChecker::checkNow(const QStringList &lines, const QString &appDir, const QString &dialect)
{
    const QList<DesignProblem> found = check(lines, appDir, dialect, true);
    list(found, lines, dialect);
    if (!DesignCheck::hasWarningsOrErrors(found))
        return {statusText(found), QString()};
    return {statusText(found), countText(found) + QStringLiteral(":\n") + listText(found, lines)};
}

DesignChecker::Gate DesignChecker::beforeExport(const QStringList &lines, const QString &appDir,
                                                const QString &dialect)
{
    const QList<DesignProblem> found = check(lines, appDir, dialect, true);
    if (DesignCheck::hasErrors(found))
        return {Gate::Kind::Stop,
                QStringLiteral("The export would fail (%1):\n").arg(countText(found)) + listText(found, lines)};
    if (DesignCheck::hasWarningsOrErrors(found))
        return {Gate::Kind::WarnThenGo,
                QStringLiteral("Before the export, %1:\n").arg(countText(found)) + listText(found, lines)};
    return {};
}

QString DesignChecker::listText(const QList<DesignProblem> &found, const QStringList &lines)
{
    constexpr int Shown = 20;
    QStringList text;
    qsizetype named = 0;
    for (const DesignProblem &p : found) {
        if (p.severity == DesignProblem::Severity::Information)
            continue;
        if (++named <= Shown)
            text << ProblemList::entryText(Problem{p.line, p.message, listedSeverity(p.severity), CheckSource}, lines);
    }
    if (named > Shown)
        text << QStringLiteral("(and %1 more)").arg(named - Shown);
    return text.join(u'\n');
}

QString DesignChecker::countText(const QList<DesignProblem> &found)
{
    QStringList parts;
    if (const qsizetype warnings = countOf(found, DesignProblem::Severity::Warning))
        parts << counted(warnings, "warning", "warnings");
    if (const qsizetype errors = countOf(found, DesignProblem::Severity::Error))
        parts << counted(errors, "error", "errors");
    return parts.join(QStringLiteral(", "));
}

QString DesignChecker::statusText(const QList<DesignProblem> &found)
{
    if (found.isEmpty())
        return QStringLiteral("Check: nothing found");
    QStringList parts;
    if (const QString counts = countText(found); !counts.isEmpty())
        parts << counts;
    if (const qsizetype notes = countOf(found, DesignProblem::Severity::Information))
        parts << QStringLiteral("%1 for information").arg(notes);
    return QStringLiteral("Check: ") + parts.join(QStringLiteral(", "));
}

bool DesignChecker::exportDesign(Document &doc, const QString &appDir, const QString &dialect, ExportHost &host,
                                 const std::function<void(const QString &)> &warn, QStringList &script)
{
    const Gate gate = beforeExport(doc.lines(), appDir, dialect);
    if (gate.kind != Gate::Kind::Go)
        warn(gate.message);
    if (gate.kind == Gate::Kind::Stop)
        return false;
    return runSphereExport(doc, dialect, appDir, host, script);
}
