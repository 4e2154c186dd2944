#include "document/EditorState.h"
#include "document/ProblemList.h"
#include "editor/AutoSaver.h"
#include "editor/StartupSequence.h"
#include "platform/RuntimeError.h"

#include <QDir>

#include <gtest/gtest.h>

namespace {

class RecordingHost : public StartupHost, public AutoSaveHost
{
public:
    bool updateTakesOver = false;
    bool openFails = false;
    QStringList calls;

    void useDataFolder(const QString &dir) override { calls << QStringLiteral("folder ") + dir; }
    bool runStartWindow(const QString &) override
    {
        calls << QStringLiteral("start window");
        return updateTakesOver;
    }
    void firstDocumentReady() override { calls << QStringLiteral("ready"); }
    void importScript(const QString &path) override { calls << QStringLiteral("import ") + path; }
    void openDesign(const QString &path) override
    {
        calls << QStringLiteral("open ") + path;
        if (openFails)
            throw RuntimeError(QStringLiteral("unreadable"));
    }
    void warn(const QString &text) override { calls << QStringLiteral("warn ") + text; }
    void showStatus(const QString &) override {}
    void showProblems() override {}
};

struct Startup
{
    EditorState state;
    ProblemList problems;
    RecordingHost host;
    AutoSaver autoSaver{problems, host};
    StartupSequence sequence{state, autoSaver, host};
};

} // namespace

TEST(StartupSequence, TheDataFolderIsTheChosenOrTheCurrentOneEndingInASlash)
{
    const struct { const char *chosen, *current, *folder; } cases[] = {
        {"", "/work/here", "/work/here/"},
        {"", "/", "/"},
        {"/data", "/work/here", "/data/"},
        {"/data/", "/work/here", "/data/"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(StartupSequence::dataFolder(QString::fromUtf8(c.chosen), QString::fromUtf8(c.current)),
                  QString::fromUtf8(c.folder));
}

TEST(StartupSequence, ANewDesignWithEveryKindShownFollowsTheStartWindowUnlessAnUpdateTookOver)
{
    for (const bool update : {false, true}) {
        Startup s;
        s.host.updateTakesOver = update;
        s.state.DATA = Document({"{BOP", "0", "text", "1", "1", "0", "x", "}EOP"});
        s.state.ShowText = false;
        EXPECT_EQ(s.sequence.run(QString(), QStringLiteral("/d")), !update);
        EXPECT_EQ(s.state.AppDir, QStringLiteral("/d/"));
        if (update) {
            EXPECT_EQ(s.host.calls, QStringList({"folder /d/", "start window"}));
            EXPECT_FALSE(s.state.ShowText);
            continue;
        }
        EXPECT_EQ(s.host.calls, QStringList({"folder /d/", "start window", "ready"}));
        EXPECT_EQ(s.state.DATA.lines(), QStringList({"{BOP", "0", "}EOP"}));
        EXPECT_TRUE(s.state.ShowText && s.state.ShowButtons && s.state.ShowGumppics && s.state.ShowResizepics);
        EXPECT_FALSE(s.autoSaver.dueOnTime(s.state.DATA.lines()));   // nothing yet to autosave
    }
}

TEST(StartupSequence, TheStartFileIsImportedOrOpenedOnceAndAFailureIsNamed)
{
    const QString here = QDir::currentPath() + u'/';
    const struct
    {
        const char *file;
        bool openFails;
        QStringList calls;
    } cases[] = {
        {"", false, {}},
        {"d.sdf", false, {"open " + here + "d.sdf"}},
        {"/x/dialogs.scp", false, {"import /x/dialogs.scp"}},
        {"/x/DIALOGS.SCP", false, {"import /x/DIALOGS.SCP"}},
        {"/x/d.sdf", true, {"open /x/d.sdf", "warn Unable to open /x/d.sdf: unreadable"}},
    };
    for (const auto &c : cases) {
        Startup s;
        s.host.openFails = c.openFails;
        QString file = QString::fromUtf8(c.file);
        s.sequence.openStartFile(file);
        EXPECT_EQ(s.host.calls, c.calls) << c.file;
        EXPECT_TRUE(file.isEmpty());
        s.sequence.openStartFile(file);   // once only
        EXPECT_EQ(s.host.calls, c.calls) << c.file;
    }
}
