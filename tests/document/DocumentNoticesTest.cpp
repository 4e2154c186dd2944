#include "document/DocumentCommands.h"
#include "document/DocumentHistory.h"
#include "document/DocumentSession.h"
#include "document/ElementCommands.h"
#include "document/SelectionSet.h"
#include "document/UndoSteps.h"
#include "editor/KeyboardNudge.h"
#include "platform/RuntimeError.h"
#include "support/ExampleDocuments.h"

#include <gtest/gtest.h>

#include <QCoreApplication>

#include <functional>
#include <type_traits>

// Notices read as text when a case fails.
inline void PrintTo(const QStringList &list, std::ostream *out)
{
    *out << '"' << list.join(QStringLiteral("\", \"")).toStdString() << '"';
}

namespace {

using ExampleDocuments::twoPages;

// Every notice the session sends, as text, in the order sent.
struct Heard
{
    explicit Heard(DocumentSession &session)
    {
        QObject::connect(&session, &DocumentSession::linesChanged, &context, [this](LineChange c) {
            notices << QStringLiteral("lines %1 -%2 +%3").arg(c.first).arg(c.removed).arg(c.inserted);
        });
        QObject::connect(&session, &DocumentSession::selectionChanged, &context, [this] { notices << "selection"; });
        QObject::connect(&session, &DocumentSession::pageChanged, &context, [this] { notices << "page"; });
        QObject::connect(&session, &DocumentSession::viewOptionsChanged, &context, [this] { notices << "view"; });
        QObject::connect(&session, &DocumentSession::fileNameChanged, &context, [this] { notices << "file"; });
        QObject::connect(&session, &DocumentSession::modifiedChanged, &context,
                         [this](bool modified) { notices << (modified ? "modified" : "unmodified"); });
    }
    // What the turn that just ran announced.
    QStringList take()
    {
        QCoreApplication::processEvents();
        return std::exchange(notices, {});
    }
    QStringList notices;
    // Ends the connections with the listener, which goes before the session.
    QObject context;
};

struct Session : DocumentSession
{
    Session()
    {
        state.DATA = Document(twoPages());
        state.LineList = {2, 6, 11};
        state.Page = QStringLiteral("0");
        publish();   // what is set up here is no news
    }
};

// The line change as undo announces it: the same lines, the other way round.
QString reversed(const QString &lines)
{
    const QStringList parts = lines.split(u' ');
    return QStringLiteral("lines %1 -%2 +%3").arg(parts[1], parts[3].mid(1), parts[2].mid(1));
}

struct NoticeCase
{
    const char *name;
    QList<int> selection;
    std::function<void(EditorState &)> run;
    QStringList notices;   // of the command, without the modified mark
};

class CommandNotices : public testing::TestWithParam<NoticeCase> {};

TEST_P(CommandNotices, CommandUndoAndRedoTellTheSameChanges)
{
    Session s;
    SelectionSet::selectLines(s.state, GetParam().selection);
    Heard heard(s);
    heard.take();

    GetParam().run(s.state);
    EXPECT_EQ(heard.take(), QStringList{"modified"} + GetParam().notices);

    QStringList undone = GetParam().notices;
    undone.first() = reversed(undone.first());
    s.undoStack.undo();
    EXPECT_EQ(heard.take(), QStringList{"unmodified"} + undone);

    s.undoStack.redo();
    EXPECT_EQ(heard.take(), QStringList{"modified"} + GetParam().notices);
}

INSTANTIATE_TEST_SUITE_P(
    Commands, CommandNotices,
    testing::Values(
        NoticeCase{"RemoveOne", {6}, [](EditorState &s) { ElementCommands::remove(s); },
                   {"lines 6 -5 +0", "selection"}},
        NoticeCase{"RemoveTwo", {2, 11}, [](EditorState &s) { ElementCommands::remove(s); },
                   {"lines 2 -15 +5", "selection"}},
        // The original stays selected.
        NoticeCase{"Clone", {2}, [](EditorState &s) { ElementCommands::clone(s, true); }, {"lines 17 -0 +4"}},
        NoticeCase{"SendToFront", {2}, [](EditorState &s) { ElementCommands::sendToFront(s); },
                   {"lines 2 -15 +15", "selection"}},
        NoticeCase{"Nudge", {2}, [](EditorState &s) { s.SelectIndex = 0; KeyboardNudge::nudge(s, {1, 0}); },
                   {"lines 3 -1 +1"}},
        NoticeCase{"NewPage", {2}, [](EditorState &s) { DocumentCommands::changePage(s, "2"); },
                   {"lines 29 -0 +3", "page", "selection"}},
        NoticeCase{"Location", {}, [](EditorState &s) { DocumentCommands::storeLocation(s, {"7", "8"}); },
                   {"lines 29 -0 +3"}}),
    [](const testing::TestParamInfo<NoticeCase> &info) { return std::string(info.param.name); });

TEST(DocumentNotices, ChangesThatAreNoStepTellOnlyWhatTheyChanged)
{
    const struct
    {
        const char *name;
        std::function<void(DocumentSession &)> change;
        QStringList notices;
    } cases[] = {
        {"select", [](DocumentSession &s) { SelectionSet::selectOnly(s.state, 6); }, {"selection"}},
        {"select what is selected", [](DocumentSession &s) { SelectionSet::selectOnly(s.state, 2); }, {}},
        {"hide text",
         [](DocumentSession &s) {
             ViewOptions view = ViewOptions::of(s.state);
             view.ShowText = false;
             s.setViewOptions(view);
         },
         {"view"}},
        {"zoom",
         [](DocumentSession &s) {
             ViewOptions view = ViewOptions::of(s.state);
             view.Zoom = 200;
             s.setViewOptions(view);
         },
         {"view"}},
        {"same options", [](DocumentSession &s) { s.setViewOptions(ViewOptions::of(s.state)); }, {}},
        {"save as", [](DocumentSession &s) { s.markSaved("/tmp/a.qmk"); }, {"file"}},
    };
    for (const auto &c : cases) {
        Session s;
        SelectionSet::selectOnly(s.state, 2);
        Heard heard(s);
        heard.take();
        c.change(s);
        EXPECT_EQ(heard.take(), c.notices) << c.name;
        EXPECT_FALSE(s.isModified()) << c.name;
    }
}

// Several commands in one turn are one round of notices, and so one redraw.
TEST(DocumentNotices, OneTurnIsOneRoundOfNotices)
{
    Session s;
    Heard heard(s);
    SelectionSet::selectOnly(s.state, 2);
    ElementCommands::clone(s.state, false);
    SelectionSet::selectOnly(s.state, 6);
    ElementCommands::remove(s.state);
    // The selection ends as it started (none), so only the lines are news.
    EXPECT_EQ(heard.take(), QStringList({"modified", "lines 6 -11 +10"}));
    EXPECT_EQ(heard.take(), QStringList());
}

TEST(DocumentNotices, TheModifiedMarkFollowsTheHistory)
{
    Session s;
    Heard heard(s);
    SelectionSet::selectOnly(s.state, 2);
    ElementCommands::remove(s.state);
    heard.take();
    EXPECT_TRUE(s.isModified());
    EXPECT_EQ(s.titleText("Q"), "Untitled* - Q");

    s.markSaved("/tmp/dialog.qmk");
    EXPECT_EQ(heard.take(), QStringList({"unmodified", "file"}));
    EXPECT_EQ(s.titleText("Q"), "dialog.qmk - Q");

    s.undoStack.undo();
    EXPECT_TRUE(s.isModified());
    s.undoStack.redo();
    EXPECT_FALSE(s.isModified());   // back where it was saved

    DocumentCommands::openDocument(s.state, twoPages(), "/tmp/other.qmk");
    EXPECT_FALSE(s.isModified());
    EXPECT_FALSE(s.undoStack.canUndo());
}

TEST(DocumentNotices, NoEditOfTheLinesEscapesTheHistory)
{
    // The lines can only be read; edits go through the document's edits,
    // which run inside the steps.
    static_assert(std::is_const_v<std::remove_reference_t<decltype(std::declval<Document &>().lines())>>);

    // A state that has neither a history nor says it is a batch refuses.
    EditorState plain;
    plain.DATA = Document(twoPages());
    plain.LineList = {2, 6, 11};
    plain.Page = "0";
    SelectionSet::selectOnly(plain, 2);
    EXPECT_THROW(ElementCommands::remove(plain), RuntimeError);
    EXPECT_THROW(DocumentCommands::storeLocation(plain, {"1", "2"}), RuntimeError);
    EXPECT_THROW(PendingStep{plain}, RuntimeError);
    EXPECT_EQ(plain.DATA.lines(), twoPages());

    // A batch edits on purpose, with nothing to undo.
    EditorState batch = EditorState::batch();
    batch.DATA = Document(twoPages());
    batch.LineList = {2, 6, 11};
    SelectionSet::selectOnly(batch, 2);
    EXPECT_TRUE(ElementCommands::remove(batch));
    EXPECT_EQ(batch.DATA.size(), twoPages().size() - 4);
}

// A command that fails half way puts the lines back and tells nothing changed.
TEST(DocumentNotices, AFailedCommandLeavesNoNotice)
{
    Session s;
    Heard heard(s);
    EXPECT_THROW(recordStep<UndoSteps::SetLocation>(s.state, [&] {
        s.state.DATA.setLine(3, "99");
        throw RuntimeError("no");
    }), RuntimeError);
    EXPECT_EQ(heard.take(), QStringList());
    EXPECT_EQ(s.state.DATA.lines(), twoPages());
    EXPECT_FALSE(s.undoStack.canUndo());
}

} // namespace
