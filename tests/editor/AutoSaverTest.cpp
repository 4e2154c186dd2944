#include "document/ProblemList.h"
#include "editor/AutoSaver.h"
#include "editor/Settings.h"
#include "support/TextFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class RecordingHost : public AutoSaveHost
{
public:
    QStringList statuses;
    int problemsShown = 0;
    void showStatus(const QString &text) override { statuses << text; }
    void showProblems() override { ++problemsShown; }
};

const QStringList Lines = {"{BOP", "0", "}EOP"};

class AutoSaverTest : public ::testing::Test
{
protected:
    QString appDir() const { return m_dir.path() + u'/'; }
    QString iniPath() const { return m_dir.path() + QStringLiteral("/quillmark.INI"); }
    void save(const QStringList &lines = Lines)
    {
        saver.saveNow(iniPath(), appDir(), lines, QStringLiteral("(1.1) Insert"), settings);
        saver.finish();
    }
    // A file where the ring's folder would be: no slot can be written.
    void blockTheFolder()
    {
        QDir(m_dir.path() + QStringLiteral("/AutoSave")).removeRecursively();
        writeTextFile(m_dir.path() + QStringLiteral("/AutoSave"), QStringLiteral("x"));
    }
    void freeTheFolder() { QFile::remove(m_dir.path() + QStringLiteral("/AutoSave")); }
    qsizetype entries(Problem::Severity severity) const
    {
        return std::count_if(problems.entries().cbegin(), problems.entries().cend(), [&](const Problem &p) {
            return p.source == AutoSaver::Source && p.severity == severity;
        });
    }

    QTemporaryDir m_dir;
    ProblemList problems;
    RecordingHost host;
    Settings settings;
    AutoSaver saver{problems, host};
};

} // namespace

// A run of triggers: each failure is named only after a success in between,
// and a success takes the entry away.
TEST_F(AutoSaverTest, AFailureIsNamedOnceUntilASaveSucceeds)
{
    const auto failure = [this](int slot) {
        return QStringLiteral("Autosave failed: Cannot create file ") + AutoSaveRing::slotPath(appDir(), slot);
    };
    const struct
    {
        bool blocked;
        int statusesAfter;   // status lines shown so far
        qsizetype errorEntries;
    } triggers[] = {
        {true, 1, 1}, {true, 1, 1}, {true, 1, 1}, {false, 1, 0}, {true, 2, 1}, {false, 2, 0},
    };
    int shown = 0;
    for (qsizetype k = 0; k < std::size(triggers); ++k) {
        const auto &t = triggers[k];
        t.blocked ? blockTheFolder() : freeTheFolder();
        save();
        EXPECT_EQ(host.statuses.size(), t.statusesAfter) << k;
        EXPECT_EQ(entries(Problem::Severity::Error), t.errorEntries) << k;
        EXPECT_EQ(host.problemsShown, ++shown) << k;   // the panel follows every trigger
    }
    // The ring moved on with the save in between: the second failure names the next slot.
    EXPECT_EQ(host.statuses, QStringList({failure(0), failure(1)}));
}

TEST_F(AutoSaverTest, ASlotThatIsNoNumberIsNamedAsAWarningAndTheSlotAdvances)
{
    writeTextFile(iniPath(), QStringLiteral("[Files]\r\nAutoCurrent=x\r\n"));
    save();
    EXPECT_EQ(settings.autoCurrent, 1);
    ASSERT_EQ(host.statuses.size(), 1);
    EXPECT_TRUE(host.statuses[0].startsWith(QStringLiteral("Autosave: "))) << host.statuses[0].toStdString();
    EXPECT_EQ(entries(Problem::Severity::Warning), 1);
    save();
    EXPECT_EQ(settings.autoCurrent, 2);
    EXPECT_EQ(entries(Problem::Severity::Warning), 0);
}

TEST_F(AutoSaverTest, TheTimerSavesOnlyADesignThatChanged)
{
    const QStringList changed = {"{BOP", "1", "}EOP"};
    EXPECT_TRUE(saver.dueOnTime(Lines));   // nothing saved yet
    saver.designStarted(Lines);
    EXPECT_FALSE(saver.dueOnTime(Lines));
    EXPECT_TRUE(saver.dueOnTime(changed));
    save(changed);
    EXPECT_FALSE(saver.dueOnTime(changed));
    blockTheFolder();
    save(Lines);                           // a failed save keeps the design due
    EXPECT_TRUE(saver.dueOnTime(Lines));
}
