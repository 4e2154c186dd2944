#pragma once

#include "serverworld/ShownDialog.h"

#include <QList>
#include <QString>
#include <QStringList>

// Lets the server judge designs: each is checked and exported (dialect
// "55i - 99g") into a script file of its own, one server shows them all to
// one login, and what arrived is compared with the designer's model. A
// difference is named when the check names its line; silent otherwise.
struct JudgedDesign
{
    QString dialog;
    QStringList lines;
    QStringList script;
    QString refusal;                       // the export's message when it stopped
    bool refusalNamed = false;             // ... and the check had an error
    QList<ShownDifference> named, silent;
    QStringList check;                     // what the check said, as compiler lines

    QString report() const;                // the design, its script and what differs
};

struct DifferentialTotals
{
    int designs = 0;
    int differences = 0, named = 0, silent = 0;
    int refused = 0, refusedSilently = 0;
    QString serverError;                   // the server could not judge
};

class DifferentialRun
{
public:
    explicit DifferentialRun(QString appDir) : m_appDir(std::move(appDir)) {}

    // Judges the designs in one server run.
    QList<JudgedDesign> judge(const QList<QStringList> &designs, QString *serverError);

    static DifferentialTotals totals(const QList<JudgedDesign> &judged);

private:
    QString m_appDir;
};
