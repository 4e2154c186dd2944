#include "editor/DocumentLifecycle.h"
#include "sphere/SphereImport.h"
#include "support/TextFiles.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <deque>

namespace {

using Answer = LifecycleHost::SaveAnswer;

// Answers the prompts from a script and records what was asked.
class ScriptedHost : public LifecycleHost
{
public:
    std::deque<Answer> answers;
    QString openPath;
    QString savePath;
    QStringList asked;
    int saved = 0;

    Answer askSaveChanges() override
    {
        asked << QStringLiteral("save changes");
        if (answers.empty()) {
            ADD_FAILURE() << "unexpected \"Save changes?\"";
            return Answer::Cancel;
        }
        const Answer a = answers.front();
        answers.pop_front();
        return a;
    }
    QString askOpenPath() override
    {
        asked << QStringLiteral("open");
        return openPath;
    }
    QString askSavePath() override
    {
        asked << QStringLiteral("save as");
        return savePath;
    }
    void documentSaved() override { ++saved; }
    std::optional<ImportedScript> imported;   // what the import window gives
    std::optional<ImportedScript> askImport() override
    {
        asked << QStringLiteral("import");
        return imported;
    }
};

class DocumentLifecycleTest : public ::testing::Test
{
protected:
    QString path(const QString &name) const { return m_dir.path() + u'/' + name; }
    // Some unsaved work: a page 1 with its bracket.
    void makeWork()
    {
        session.undoStack.push(new QUndoCommand(QStringLiteral("work")));
        session.state.DATA.reset(QStringLiteral("1"));
        ASSERT_TRUE(session.isModified());
    }

    QTemporaryDir m_dir;
    DocumentSession session;
    ProblemList problems;
    ScriptedHost host;
    int opensWaited = 0;
    DocumentLifecycle lifecycle{session, problems, host, [this] { ++opensWaited; }};
};

} // namespace

TEST(DocumentLifecycle, ANameWithoutExtensionGetsSdf)
{
    const struct { const char *typed, *written; } cases[] = {
        {"/d/dialog", "/d/dialog.SDF"},
        {"/d/dialog.sdf", "/d/dialog.sdf"},
        {"/d/dialog.txt", "/d/dialog.txt"},
        {"/d.v2/dialog", "/d.v2/dialog.SDF"},   // a dot in a folder is no extension
        {"/d/dialog.", "/d/dialog..SDF"},        // nothing after the dot: none either
    };
    for (const auto &c : cases)
        EXPECT_EQ(DocumentLifecycle::withDefaultExtension(QString::fromUtf8(c.typed)), QString::fromUtf8(c.written))
            << c.typed;
}

// What "Save changes?" leads to, for each answer and whether the design has a file.
TEST_F(DocumentLifecycleTest, UnsavedWorkIsSavedDiscardedOrKeptAsAnswered)
{
    const struct
    {
        const char *name;
        bool modified;
        Answer answer;
        const char *fileName;   // the design's file, "" for none
        const char *savePath;   // the save-as answer, "" for cancelled
        bool mayDiscard;
        QStringList asked;
        bool written;
    } cases[] = {
        {"clean", false, Answer::Cancel, "", "", true, {}, false},
        {"cancel", true, Answer::Cancel, "", "", false, {"save changes"}, false},
        {"discard", true, Answer::Discard, "", "", true, {"save changes"}, false},
        {"save to its file", true, Answer::Save, "a.sdf", "", true, {"save changes"}, true},
        {"save as", true, Answer::Save, "", "b", true, {"save changes", "save as"}, true},
        {"save as cancelled", true, Answer::Save, "", "", false, {"save changes", "save as"}, false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        DocumentSession fresh;
        ScriptedHost prompts;
        ProblemList list;
        DocumentLifecycle tested(fresh, list, prompts);
        if (c.modified)
            fresh.undoStack.push(new QUndoCommand(QStringLiteral("work")));
        if (*c.fileName)
            fresh.state.FileName = path(QString::fromUtf8(c.fileName));
        prompts.answers = {c.answer};
        prompts.savePath = *c.savePath ? path(QString::fromUtf8(c.savePath)) : QString();

        EXPECT_EQ(tested.mayDiscardChanges(), c.mayDiscard);
        EXPECT_EQ(prompts.asked, c.asked);
        EXPECT_EQ(prompts.saved, c.written ? 1 : 0);
        if (c.written) {
            EXPECT_FALSE(fresh.isModified());
            EXPECT_TRUE(QFileInfo::exists(fresh.state.FileName)) << fresh.state.FileName.toStdString();
        }
        if (c.written)
            QFile::remove(fresh.state.FileName);
    }
}

TEST_F(DocumentLifecycleTest, NewKeepsTheWorkWhenCancelledAndStartsCleanOtherwise)
{
    makeWork();
    host.answers = {Answer::Cancel, Answer::Discard};
    EXPECT_FALSE(lifecycle.newDocument());
    EXPECT_TRUE(session.isModified());
    EXPECT_EQ(session.state.DATA.lines(), QStringList({"{BOP", "1", "}EOP"}));

    EXPECT_TRUE(lifecycle.newDocument());
    EXPECT_FALSE(session.isModified());
    EXPECT_EQ(session.state.DATA.lines(), QStringList({"{BOP", "0", "}EOP"}));
    EXPECT_EQ(session.state.Page, QStringLiteral("0"));
}

TEST_F(DocumentLifecycleTest, OpenClearsTheSelectionBeforeAskingAndWaitsForAutosaves)
{
    writeTextFile(path(QStringLiteral("d.sdf")), QStringLiteral("{BOP\r\n2\r\n}EOP\r\n"));
    makeWork();
    session.state.SelectedLine = 3;
    host.answers = {Answer::Cancel, Answer::Discard};
    EXPECT_TRUE(lifecycle.chooseDesign().isEmpty());   // the work is kept, selection and all
    EXPECT_EQ(session.state.SelectedLine, 3);
    EXPECT_TRUE(lifecycle.chooseDesign().isEmpty());   // discarded, then the file dialog cancelled
    EXPECT_EQ(host.asked, QStringList({"save changes", "save changes", "open"}));
    EXPECT_EQ(session.state.SelectedLine, 0);

    host.openPath = path(QStringLiteral("d.sdf"));
    host.answers = {Answer::Discard};
    lifecycle.open(lifecycle.chooseDesign());
    EXPECT_EQ(opensWaited, 1);
    EXPECT_EQ(session.state.DATA.lines(), QStringList({"{BOP", "2", "}EOP"}));
    EXPECT_EQ(session.state.FileName, path(QStringLiteral("d.sdf")));
    EXPECT_FALSE(session.isModified());
}

TEST_F(DocumentLifecycleTest, SaveWritesItsFileOrAsksForOneWithTheDefaultExtension)
{
    makeWork();
    host.savePath = path(QStringLiteral("named"));
    EXPECT_TRUE(lifecycle.save());
    EXPECT_EQ(host.asked, QStringList({"save as"}));
    EXPECT_EQ(session.state.FileName, path(QStringLiteral("named.SDF")));
    EXPECT_EQ(readTextFile(path(QStringLiteral("named.SDF"))), QStringLiteral("{BOP\r\n1\r\n}EOP\r\n"));

    session.undoStack.push(new QUndoCommand(QStringLiteral("more")));
    EXPECT_TRUE(lifecycle.save());   // now to its file, without asking
    EXPECT_EQ(host.asked.size(), 1);
    EXPECT_EQ(host.saved, 2);
    EXPECT_FALSE(session.isModified());

    host.savePath.clear();
    EXPECT_FALSE(lifecycle.saveAs());
    EXPECT_EQ(host.saved, 2);
}

TEST_F(DocumentLifecycleTest, AnOpenedFileWithUnreadableRecordsIsNamedOnceUntilItChanges)
{
    EXPECT_FALSE(lifecycle.listUnreadable(path(QStringLiteral("x.sdf")), 0));
    EXPECT_TRUE(problems.isEmpty());
    EXPECT_TRUE(lifecycle.listUnreadable(path(QStringLiteral("x.sdf")), 2));
    ASSERT_EQ(problems.entries().size(), 1);
    EXPECT_EQ(problems.entries()[0].message, QStringLiteral("x.sdf: 2 of its records cannot be read"));
    EXPECT_EQ(problems.entries()[0].severity, Problem::Severity::Error);
    problems.documentChanged({"{BOP", "5", "}EOP"});
    EXPECT_TRUE(problems.isEmpty());
}

// Import asks first for unsaved work, then the import window, and lists what it left out.
TEST_F(DocumentLifecycleTest, AnImportReplacesTheDesignOrLeavesItAndNamesWhatItLeftOut)
{
    using Outcome = DocumentLifecycle::Import::Outcome;
    const QStringList imported = {"{BOP", "0", "}EOP", "LOCATION", "1", "2"};
    ImportNote note;
    note.line = 4;
    note.message = QStringLiteral("left out");
    const struct
    {
        const char *name;
        std::optional<Answer> answer;   // none: no unsaved work
        std::optional<LifecycleHost::ImportedScript> script;
        Outcome outcome;
        const char *status;
        qsizetype listed;
    } cases[] = {
        {"kept", Answer::Cancel, LifecycleHost::ImportedScript{imported, {}}, Outcome::Kept, "", 0},
        {"cancelled", std::nullopt, std::nullopt, Outcome::Cancelled, "", 0},
        {"imported", Answer::Discard, LifecycleHost::ImportedScript{imported, {}}, Outcome::Imported, "Imported", 0},
        {"with notes", std::nullopt, LifecycleHost::ImportedScript{imported, {note, note}}, Outcome::Imported,
         "Imported; 2 script lines left out or changed, listed under Problems", 2},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        DocumentSession fresh;
        ScriptedHost prompts;
        ProblemList list;
        DocumentLifecycle tested(fresh, list, prompts);
        if (c.answer) {
            fresh.undoStack.push(new QUndoCommand(QStringLiteral("work")));
            prompts.answers = {*c.answer};
        }
        prompts.imported = c.script;
        const QStringList before = fresh.state.DATA.lines();

        const DocumentLifecycle::Import result = tested.import();
        EXPECT_EQ(result.outcome, c.outcome);
        EXPECT_EQ(result.status, QString::fromUtf8(c.status));
        EXPECT_EQ(prompts.asked.contains(QStringLiteral("import")), c.outcome != Outcome::Kept);
        EXPECT_EQ(fresh.state.DATA.lines(), c.outcome == Outcome::Imported ? imported : before);
        EXPECT_EQ(list.entries().size(), c.listed);
    }
}

// A design opened from the autosave ring would be written over by the next
// round: Save asks for a file of its own, as Save As does.
TEST_F(DocumentLifecycleTest, SavingAnAutosaveSlotAsksForAFileOfItsOwn)
{
    session.state.AppDir = m_dir.path() + u'/';
    QDir(m_dir.path()).mkpath(QStringLiteral("AutoSave/deeper"));
    const struct
    {
        const char *fileName;
        bool asked;
    } cases[] = {
        {"AutoSave/Auto.3", true},
        {"AutoSave/../AutoSave/Auto.0", true},   // however spelt
        {"AutoSave/deeper/mine.SDF", false},     // below it is the user's own
        {"mine.SDF", false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.fileName);
        const QString file = path(QString::fromLatin1(c.fileName));
        writeTextFile(file, QStringLiteral("{BOP\r\n0\r\n}EOP\r\n"));
        EXPECT_EQ(DocumentLifecycle::isAutoSaveSlot(file, session.state.AppDir), c.asked);
        lifecycle.open(file);
        host.asked.clear();
        host.savePath = path(QStringLiteral("chosen"));
        ASSERT_TRUE(lifecycle.save());
        EXPECT_EQ(host.asked, c.asked ? QStringList{QStringLiteral("save as")} : QStringList());
        EXPECT_EQ(session.state.FileName, c.asked ? path(QStringLiteral("chosen.SDF")) : file);
    }
    EXPECT_FALSE(DocumentLifecycle::isAutoSaveSlot(QString(), session.state.AppDir));
}

// Opening shows the design's first page; an import keeps the dialog's name.
TEST_F(DocumentLifecycleTest, AnOpenShowsTheFirstPageAndAnImportKeepsTheName)
{
    const struct
    {
        const char *text;
        const char *page;
    } cases[] = {
        {"{BOP\r\n3\r\n}EOP\r\n{BOP\r\n1\r\n}EOP\r\n", "3"},
        {"{BOP\r\n0\r\n}EOP\r\n{BOP\r\n1\r\n}EOP\r\n", "0"},
        {"LOCATION\r\n1\r\n2\r\n", "0"},
    };
    for (const auto &c : cases) {
        session.state.Page = QStringLiteral("7");
        writeTextFile(path(QStringLiteral("p.SDF")), QString::fromLatin1(c.text));
        lifecycle.open(path(QStringLiteral("p.SDF")));
        EXPECT_EQ(session.state.Page, QString::fromLatin1(c.page)) << c.text;
    }

    host.imported = LifecycleHost::ImportedScript{{"{BOP", "0", "}EOP"}, {}, QStringLiteral(" d_guild ")};
    ASSERT_EQ(lifecycle.import().outcome, DocumentLifecycle::Import::Outcome::Imported);
    EXPECT_EQ(session.state.DATA.lines(), QStringList({"{BOP", "0", "}EOP", "DIALOGNAME", "d_guild"}));
}
