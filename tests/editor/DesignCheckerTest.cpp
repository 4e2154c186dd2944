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
        {"warning", Warned, Gate::Kind::WarnThenGo, "Before the export, 1 warning:\nPage 0, Text at 1 2 "},
        {"error", Failing, Gate::Kind::Stop, "The export would fail (1 warning, 1 error):\nPage 0, Gumppic at 1 2 "},
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
    // The name is no gump number (an error) and nothing of it is in the library (a warning).
    EXPECT_EQ(report.status, QStringLiteral("Check: 1 warning, 1 error"));
    EXPECT_TRUE(report.box.startsWith(QStringLiteral("1 warning, 1 error:\nPage 0, Gumppic at 1 2 "))) << report.box.toStdString();
    EXPECT_FALSE(report.box.contains(QStringLiteral("Line "))) << report.box.toStdString();
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
        {found(2, Severity::Error), "Check: 2 errors"},
        {found(1, Severity::Error), "Check: 1 error"},
        {found(1, Severity::Warning) + found(3, Severity::Error), "Check: 1 warning, 3 errors"},
        {found(2, Severity::Warning) + found(1, Severity::Error), "Check: 2 warnings, 1 error"},
        {found(2, Severity::Information), "Check: 2 for information"},
        {found(1, Severity::Warning) + found(4, Severity::Information), "Check: 1 warning, 4 for information"},
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
        {1, 1, "p1"},
        {20, 20, "p20"},
        {21, 21, "(and 1 more)"},
        {45, 21, "(and 25 more)"},
    };
    for (const auto &c : cases) {
        const QStringList text = DesignChecker::listText(found(c.count, Severity::Warning), {}).split(u'\n');
        EXPECT_EQ(text.size(), c.lines) << c.count;
        EXPECT_EQ(text.last(), QString::fromUtf8(c.last)) << c.count;
    }
}

// The box names errors and warnings by page and element, never by file line,
// and leaves information to the problems list.
TEST(DesignCheckerText, TheBoxNamesElementsAndLeavesInformationOut)
{
    const QStringList lines = pageWith({"button", "20", "30", "okay.bmp", "1", "0", "0", "", "text", "5", "6", "1152", "Hi"});
    const QList<DesignProblem> mixed = {
        {3, Severity::Warning, QStringLiteral("close flag is odd")},
        {11, Severity::Information, QStringLiteral("a comment is cut")},
        {11, Severity::Error, QStringLiteral("too long")},
    };
    const QStringList text = DesignChecker::listText(mixed, lines).split(u'\n');
    ASSERT_EQ(text.size(), 2);
    EXPECT_TRUE(text[0].startsWith(QStringLiteral("Page 0, Button at 20 30"))) << text[0].toStdString();
    EXPECT_TRUE(text[1].startsWith(QStringLiteral("Page 0, Text at 5 6"))) << text[1].toStdString();
    EXPECT_TRUE(text[1].endsWith(QStringLiteral("too long")));
    EXPECT_EQ(DesignChecker::countText(mixed), QStringLiteral("1 warning, 1 error"));
    EXPECT_EQ(DesignChecker::countText(found(3, Severity::Information)), QString());
}

TEST_F(DesignCheckerTest, InformationIsListedAsSuchAndShowsNoBox)
{
    ProblemList list;
    DesignChecker mine(list);
    mine.list({{3, Severity::Information, QStringLiteral("note")}, {3, Severity::Warning, QStringLiteral("odd")}},
              Warned, Dialect);
    ASSERT_EQ(list.entries().size(), 2);
    EXPECT_EQ(list.entries()[0].severity, Problem::Severity::Information);
    EXPECT_EQ(list.entries()[1].severity, Problem::Severity::Warning);
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
