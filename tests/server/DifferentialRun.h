#pragma once

#include "DesignGenerator.h"
#include "ReplyModel.h"
#include "serverworld/ShownDialog.h"

#include "sphere/DesignCheck.h"

#include <QList>
#include <QMap>
#include <QSet>
#include <QString>
#include <QStringList>

// Lets the server judge designs: each is checked and exported (dialect
// "55i - 99g") into a script file of its own, one server shows them all to
// one login, the client presses every reply of each and closes it, and what
// arrived and what ran is compared with the designer's model. A difference is
// named when a check entry names its element and its field; silent otherwise.
// A design the export refuses is judged without the elements whose error
// entries explain the refusal. A design with script logic is compared with
// the static design the generator says the server must lay out for it, and
// each difference is put at the line of the logic design it comes from.
struct JudgedDesign
{
    QString dialog;
    QStringList lines;
    QStringList expected;                  // for a logic design: what the server must show
    QStringList script;
    QString refusal;                       // the export's message when it stopped
    bool refusalNamed = false;             // ... and the error entries' elements were the cause
    QList<ShownDifference> named, silent;
    QList<DesignProblem> problems;         // what the check said
    QStringList check;                     // the same, as compiler lines
    int pressed = 0, matched = 0;          // presses sent, presses that ran what the design holds
    int elements = 0;                      // elements compared

    QString report() const;                // the design, its script and what differs
};

struct DifferentialTotals
{
    int designs = 0;
    int differences = 0, named = 0, silent = 0;
    int refused = 0, refusedSilently = 0;
    int pressed = 0, matched = 0;
    int elements = 0;
    QMap<QString, int> namedByField;       // field -> named differences
    QString serverError;                   // the server could not judge

    void add(const DifferentialTotals &other);
    QString summary() const;
};

class DifferentialRun
{
public:
    explicit DifferentialRun(QString appDir) : m_appDir(std::move(appDir)) {}

    // Judges the designs in one server run.
    QList<JudgedDesign> judge(const QList<GeneratedDesign> &designs, QString *serverError);
    QList<JudgedDesign> judge(const QList<QStringList> &designs, QString *serverError);

    static DifferentialTotals totals(const QList<JudgedDesign> &judged);

    // Whether an entry names the difference: one on its element (or its page
    // bracket, for a page) that names its field; for an element missing or
    // added, any entry on it that names a field.
    static bool isNamed(const ShownDifference &difference, const QList<DesignProblem> &problems);

    // The design without the records on the given lines (kind words, from 1)
    // and without the close block when its line is among them.
    static QStringList without(const QStringList &lines, const QSet<int> &recordLines);
    // The same for a logic design: its expected design loses what came from
    // those records, and the rest points at the lines they have now.
    static GeneratedDesign without(const GeneratedDesign &design, const QSet<int> &recordLines);

private:
    QString m_appDir;
};
