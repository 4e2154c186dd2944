#include "document/Document.h"
#include "editor/DesignChecker.h"
#include "sphere/SphereExport.h"

#include <QTemporaryDir>

#include <cstring>

#include <gtest/gtest.h>

namespace {

using Severity = DesignProblem::Severity;
using Gate = DesignChecker::Gate;

const QString Dialect = QStringLiteral("55i - 99g");

QStringList pageWith(const QStringList &record)
{
    return QStringList{"{BOP", "0"} + record + QStringList{"}EOP"};
}

// A text whose colon the server warns against; a picture whose name is no
// gump number, which the export cannot write.
const QStringList Clean = {"{BOP", "0", "}EOP"};
const QStringList Warned = pageWith({"text", "1", "2", "1152", "Name:"});
const QStringList Failing = pageWith({"gumppic", "1", "2", "logo.bmp"});
const QStringList Html = pageWith({"htmlgump", "10", "10", "100", "40", "0", "0", "Hi"});

QList<DesignProblem> found(int count, Severity severity)
{
    QList<DesignProblem> list;
    for (int k = 0; k < count; ++k)
        list << DesignProblem{k + 1, severity, QStringLiteral("p%1").arg(k + 1)};
    return list;
}

class DesignCheckerTest : public ::testing::Test
{
protected:
    QString appDir() const { return m_dir.path() + u'/'; }
    bool listed(const QString &part) const
    {
        for (const Problem &p : problems.entries())
            if (p.source == DesignChecker::CheckSource && p.message.contains(part))
                return true;
        return false;
    }

    QTemporaryDir m_dir;
    ProblemList problems;
    DesignChecker checker{problems};
};

} // namespace

TEST_F(DesignCheckerTest, ErrorsStopTheExportAndWarningsAreNamedBeforeIt)
{
    const struct
    {
        const char *name;
        QStringList lines;
        Gate::Kind kind;
        const char *opening;
    } cases[] = {
        {"clean", Clean, Gate::Kind::Go, ""},
        {"warning", Warned, Gate::Kind::WarnThenGo, "The server would read this design otherwise than it is shown:\nLine 3: warning: "},
        {"error", Failing, Gate::Kind::Stop, "The export would fail:\nLine 3: error: "},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const Gate gate = checker.beforeExport(c.lines, appDir(), Dialect);
        EXPECT_EQ(gate.kind, c.kind);
        EXPECT_EQ(gate.message.left(int(strlen(c.opening))), QString::fromUtf8(c.opening));
        EXPECT_EQ(gate.message.isEmpty(), c.kind == Gate::Kind::Go);
    }
}

TEST_F(DesignCheckerTest, CheckNowListsTheFindingsAndSaysHowMany)
{
    DesignChecker::Report report = checker.checkNow(Clean, appDir(), Dialect);
    EXPECT_EQ(report.status, QStringLiteral("Check: nothing found"));
    EXPECT_TRUE(report.box.isEmpty());
    EXPECT_TRUE(problems.isEmpty());

    report = checker.checkNow(Failing, appDir(), Dialect);
    EXPECT_TRUE(report.status.startsWith(QStringLiteral("Check: 1 errors, "))) << report.status.toStdString();
    EXPECT_TRUE(report.box.startsWith(QStringLiteral("Line 3: error: ")));
    EXPECT_TRUE(listed(QStringLiteral("not a hexadecimal gump number")));
    // The entries hold for the lines checked only.
    problems.documentChanged(Clean);
    EXPECT_TRUE(problems.isEmpty());
}

TEST(DesignCheckerText, StatusCountsEachSeverity)
{
    const struct
    {
        QList<DesignProblem> found;
        const char *status;
    } cases[] = {
        {{}, "Check: nothing found"},
        {found(2, Severity::Error), "Check: 2 errors, 0 warnings"},
        {found(1, Severity::Warning) + found(3, Severity::Error), "Check: 3 errors, 1 warnings"},
        {found(2, Severity::Information), "Check: 0 errors, 0 warnings, 2 for information"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(DesignChecker::statusText(c.found), QString::fromUtf8(c.status));
}

TEST(DesignCheckerText, TheListShowsTwentyAndCountsTheRest)
{
    const struct
    {
        int count;
        int lines;
        const char *last;
    } cases[] = {
        {1, 1, "Line 1: warning: p1"},
        {20, 20, "Line 20: warning: p20"},
        {21, 21, "(and 1 more)"},
        {45, 21, "(and 25 more)"},
    };
    for (const auto &c : cases) {
        const QStringList text = DesignChecker::listText(found(c.count, Severity::Warning)).split(u'\n');
        EXPECT_EQ(text.size(), c.lines) << c.count;
        EXPECT_EQ(text.last(), QString::fromUtf8(c.last)) << c.count;
    }
}

// After every render the check runs again only when the lines or the dialect changed.
TEST_F(DesignCheckerTest, TheCheckFollowsChangedLinesAndDialect)
{
    const QString Old = QStringLiteral("48e - 51a");
    const struct
    {
        QStringList lines;
        QString dialect;
        bool checked;
        bool htmlNamed;
    } steps[] = {
        {Html, Old, true, true},
        {Html, Old, false, true},
        {Html, Dialect, true, false},
        {Html, Old, true, true},
        {Clean, Old, true, false},
        {Clean, Old, false, false},
    };
    for (qsizetype k = 0; k < std::size(steps); ++k) {
        const auto &s = steps[k];
        EXPECT_EQ(checker.follow(s.lines, appDir(), s.dialect), s.checked) << k;
        EXPECT_EQ(listed(QStringLiteral("has no htmlgump")), s.htmlNamed) << k;
    }
}

// The export runs behind the check: an error stops it before the host is
// asked anything, a warning is named and the export goes on.
TEST_F(DesignCheckerTest, TheExportRunsOnlyPastTheCheck)
{
    struct CountingHost : ExportHost
    {
        int asked = 0;
        void runLocationCommand() override { ++asked; }
        void runMiscCommand() override { ++asked; }
        std::optional<QString> askDialogName() override
        {
            ++asked;
            return QStringLiteral("d_test");
        }
    };
    const struct
    {
        const char *name;
        QStringList lines;
        bool exported;
        int warnings;
    } cases[] = {
        {"clean", Clean, true, 0},
        {"warning", Warned, true, 1},
        {"error", Failing, false, 1},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        Document doc(c.lines);
        CountingHost host;
        int warnings = 0;
        QStringList script;
        EXPECT_EQ(checker.exportDesign(doc, appDir(), Dialect, host, [&](const QString &) { ++warnings; }, script),
                  c.exported);
        EXPECT_EQ(warnings, c.warnings);
        EXPECT_EQ(host.asked > 0, c.exported);
        EXPECT_EQ(script.isEmpty(), !c.exported);
    }
}
