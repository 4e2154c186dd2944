#include "editor/DesignChecker.h"
#include "document/Document.h"
#include "sphere/SphereExport.h"

#include <algorithm>

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
        entries << Problem{p.line, p.message,
                           p.severity == DesignProblem::Severity::Error ? Problem::Severity::Error
                                                                        : Problem::Severity::Warning,
                           CheckSource};
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
    return {statusText(found), found.isEmpty() ? QString() : listText(found)};
}

DesignChecker::Gate DesignChecker::beforeExport(const QStringList &lines, const QString &appDir,
                                                const QString &dialect)
{
    const QList<DesignProblem> found = check(lines, appDir, dialect, true);
    if (DesignCheck::hasErrors(found))
        return {Gate::Kind::Stop, QStringLiteral("The export would fail:\n") + listText(found)};
    if (DesignCheck::hasWarningsOrErrors(found))
        return {Gate::Kind::WarnThenGo,
                QStringLiteral("The server would read this design otherwise than it is shown:\n") + listText(found)};
    return {};
}

QString DesignChecker::listText(const QList<DesignProblem> &found)
{
    constexpr int Shown = 20;
    QStringList text;
    for (const DesignProblem &p : found.mid(0, Shown))
        text << QStringLiteral("Line %1: %2: %3").arg(p.line).arg(DesignCheck::severityWord(p.severity), p.message);
    if (found.size() > Shown)
        text << QStringLiteral("(and %1 more)").arg(found.size() - Shown);
    return text.join(u'\n');
}

QString DesignChecker::statusText(const QList<DesignProblem> &found)
{
    if (found.isEmpty())
        return QStringLiteral("Check: nothing found");
    const auto count = [&](DesignProblem::Severity severity) {
        return std::count_if(found.cbegin(), found.cend(),
                             [severity](const DesignProblem &p) { return p.severity == severity; });
    };
    const auto notes = count(DesignProblem::Severity::Information);
    return QStringLiteral("Check: %1 errors, %2 warnings")
               .arg(count(DesignProblem::Severity::Error))
               .arg(count(DesignProblem::Severity::Warning))
           + (notes ? QStringLiteral(", %1 for information").arg(notes) : QString());
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
