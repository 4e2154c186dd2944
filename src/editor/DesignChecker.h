#pragma once

#include "document/ProblemList.h"
#include "sphere/ArtCatalog.h"
#include "sphere/DesignCheck.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

class Document;
class ExportHost;
class GumpArt;

// The Sphere check of the design: run by "Check", before every export and
// after every change, with its findings kept in the problems list. It keeps
// the art catalog of the data folder it last checked against.
class DesignChecker
{
public:
    explicit DesignChecker(ProblemList &problems) : m_problems(problems) {}

    inline static const QString CheckSource = QStringLiteral("Check");

    // The check of the lines for the export dialect; fresh art is read when asked for.
    QList<DesignProblem> check(const QStringList &lines, const QString &appDir, const QString &dialect, bool freshArt);
    // The findings go into the problems list, tied to the lines checked.
    void list(const QList<DesignProblem> &found, const QStringList &lines, const QString &dialect);
    // After a change: checks and lists again when the lines or the dialect
    // differ from those last listed. True when it did.
    bool follow(const QStringList &lines, const QString &appDir, const QString &dialect);

    // "Check": lists the findings; the status line and the text of the box
    // to show (empty when there is nothing to show).
    struct Report
    {
        QString status;
        QString box;
    };
    Report checkNow(const QStringList &lines, const QString &appDir, const QString &dialect);

    // Before an export: errors stop it, warnings are named once and it goes on.
    struct Gate
    {
        enum class Kind { Go, WarnThenGo, Stop };
        Kind kind = Kind::Go;
        QString message;
    };
    Gate beforeExport(const QStringList &lines, const QString &appDir, const QString &dialect);
    // The export behind that gate: a warning goes to warn first, an error
    // stops it (false). script receives what was written, a failure's too.
    bool exportDesign(Document &doc, const QString &appDir, const QString &dialect, ExportHost &host,
                      const std::function<void(const QString &)> &warn, QStringList &script);

    // The errors and warnings (not information), at most twenty, one per
    // line and named as the problems list names them (page, element, what);
    // the rest are counted.
    static QString listText(const QList<DesignProblem> &found, const QStringList &lines);
    // "2 warnings, 1 error", the information left out; empty when neither.
    static QString countText(const QList<DesignProblem> &found);
    static QString statusText(const QList<DesignProblem> &found);

    // The catalog of appDir, made when first needed.
    ArtCatalog &art(const QString &appDir);
    void setClientArt(std::shared_ptr<const GumpArt> art);

private:
    ProblemList &m_problems;
    std::shared_ptr<const GumpArt> m_clientArt;
    std::unique_ptr<ArtCatalog> m_art;
    QStringList m_checkedLines;   // the document as the check last saw it
    QString m_checkedDialect;     // and the export dialect it checked for
};
