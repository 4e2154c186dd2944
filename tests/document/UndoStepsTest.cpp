#include "document/ArrangeCommands.h"
#include "document/DocumentCommands.h"
#include "document/DocumentHistory.h"
#include "document/DocumentSession.h"
#include "document/ElementClipboard.h"
#include "document/ElementCommands.h"
#include "document/SelectionCommands.h"
#include "document/SelectionSet.h"
#include "editor/KeyboardNudge.h"
#include "platform/RuntimeError.h"
#include "support/ExampleDocuments.h"

#include <gtest/gtest.h>

#include <QRandomGenerator>

#include <functional>

namespace {

using ExampleDocuments::twoPages;

class Answers : public ElementDialogs
{
public:
    std::optional<QString> pickImage(const QString &, PickerMode) override { return QStringLiteral("b.bmp"); }
    ButtonOptions askButtonOptions() override { return {}; }
    int askHue() override { return 33; }
    QString askText() override { return QStringLiteral("typed"); }
};

struct Session : DocumentSession
{
    Session()
    {
        state.DATA = Document(twoPages());
        state.LineList = {2, 6, 11};
        state.Page = QStringLiteral("0");
    }
    void selectLines(QList<int> lines) { SelectionSet::selectLines(state, lines); }
};

struct Seen
{
    QStringList lines;
    EditorSnapshot snapshot;
    static Seen of(const EditorState &s) { return {s.DATA.lines(), EditorSnapshot::of(s)}; }
    bool operator==(const Seen &) const = default;
};

struct CommandCase
{
    const char *name;
    QList<int> selection;
    std::function<void(EditorState &)> run;
    QString undoText;
};

class EachCommand : public testing::TestWithParam<CommandCase> {};

TEST_P(EachCommand, UndoRestoresLinesAndSelectionAndRedoTheChange)
{
    Session s;
    s.selectLines(GetParam().selection);
    const Seen before = Seen::of(s.state);
    GetParam().run(s.state);
    const Seen after = Seen::of(s.state);
    ASSERT_NE(before.lines, after.lines);
    ASSERT_EQ(s.undoStack.count(), 1);
    EXPECT_EQ(s.undoStack.undoText(), GetParam().undoText);

    s.undoStack.undo();
    EXPECT_TRUE(Seen::of(s.state) == before);
    s.undoStack.redo();
    EXPECT_TRUE(Seen::of(s.state) == after);
}

Answers answers;
INSTANTIATE_TEST_SUITE_P(
    Steps, EachCommand,
    testing::Values(
        CommandCase{"AddPicture", {6}, [](EditorState &e) { ElementCommands::addGumppic(e, answers, "3", "4"); }, "Add gumppic"},
        CommandCase{"AddText", {}, [](EditorState &e) { ElementCommands::addText(e, answers); }, "Add text"},
        CommandCase{"RemoveTwo", {2, 11}, [](EditorState &e) { ElementCommands::remove(e); }, "Remove"},
        CommandCase{"Cut", {6}, [](EditorState &e) { ElementCommands::remove(e, "Cut"); }, "Cut"},
        CommandCase{"CloneTwo", {11, 2}, [](EditorState &e) { ElementCommands::clone(e, true); }, "Clone"},
        CommandCase{"SendBack", {11}, [](EditorState &e) { ElementCommands::sendToBack(e); }, "Send to Back"},
        CommandCase{"SendFront", {2, 6}, [](EditorState &e) { ElementCommands::sendToFront(e); }, "Send to Front"},
        CommandCase{"SpinWidth", {11}, [](EditorState &e) { SelectionCommands::writeField(e, SelectionCommands::Field::Width, "7"); }, "Change Width"},
        CommandCase{"Nudge", {2, 6}, [](EditorState &e) { KeyboardNudge::nudge(e, {1, -1}); }, "Nudge"},
        CommandCase{"NewPage", {2}, [](EditorState &e) { DocumentCommands::changePage(e, "4"); }, "Create Page 4"},
        CommandCase{"Location", {}, [](EditorState &e) { DocumentCommands::storeLocation(e, {"30", "40"}); }, "Set Location"},
        CommandCase{"Flags", {}, [](EditorState &e) { DocumentCommands::storeWindowFlags(e, {true, false}); }, "Set Window Flags"},
        CommandCase{"Paste", {2}, [](EditorState &e) { ElementClipboard::paste(e, {"text", "1", "1", "0", "P"}, 10); }, "Paste"},
        CommandCase{"AlignLeft", {2, 6}, [](EditorState &e) {
            ArrangeCommands::arrange(e, {{2, QRect(10, 20, 8, 8)}, {6, QRect(5, 5, 12, 16)}}, ArrangeCommands::Arrangement::AlignLeft);
        }, "Align Left"}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(UndoSteps, SelectionChangesAndCancelledPickersAreNoSteps)
{
    Session s;
    DocumentCommands::changePage(s.state, "1"); // the page exists
    s.selectLines({2});
    class Cancel : public Answers {
        std::optional<QString> pickImage(const QString &, PickerMode) override { return std::nullopt; }
    } cancel;
    ElementCommands::addButton(s.state, cancel);
    SelectionCommands::writeField(s.state, SelectionCommands::Field::X, "10"); // unchanged value
    EXPECT_EQ(s.undoStack.count(), 0);
    EXPECT_FALSE(s.isModified());
}

TEST(UndoSteps, KeystrokesIntoOneSpinAndNudgesOfOneSelectionMerge)
{
    Session s;
    s.selectLines({11});
    for (const char *text : {"1", "12", "123"})
        SelectionCommands::writeField(s.state, SelectionCommands::Field::Width, text);
    EXPECT_EQ(s.undoStack.count(), 1);
    SelectionCommands::writeField(s.state, SelectionCommands::Field::Height, "9");
    EXPECT_EQ(s.undoStack.count(), 2);
    for (int k = 0; k < 5; ++k)
        KeyboardNudge::nudge(s.state, {1, 0});
    EXPECT_EQ(s.undoStack.count(), 3);
    s.selectLines({2, 11});
    KeyboardNudge::nudge(s.state, {0, 1});
    EXPECT_EQ(s.undoStack.count(), 4);

    // No run merges across a save: the saved state stays reachable.
    s.markSaved("d.SDF");
    KeyboardNudge::nudge(s.state, {0, 1});
    EXPECT_EQ(s.undoStack.count(), 5);
    s.undoStack.undo();
    EXPECT_FALSE(s.isModified());

    while (s.undoStack.canUndo())
        s.undoStack.undo();
    EXPECT_EQ(s.state.DATA.lines(), twoPages());
}

TEST(UndoSteps, FailedCommandPutsEverythingBackAndRecordsNothing)
{
    Session s;
    s.state.DATA.setLine(12, "wide");
    s.selectLines({2, 11});
    EXPECT_THROW(ElementCommands::clone(s.state, true), RuntimeError);
    EXPECT_THROW(ElementClipboard::paste(s.state, {"gumppic", "x", "0", "a.bmp"}, 10), RuntimeError);
    QStringList expected = twoPages();
    expected[12] = "wide";
    EXPECT_EQ(s.state.DATA.lines(), expected);
    EXPECT_EQ(SelectionSet::lines(s.state), (QList<int>{2, 11}));
    EXPECT_EQ(s.undoStack.count(), 0);
}

TEST(UndoSteps, UndoingAnEditKeepsTheFileNameImportPutsItBack)
{
    Session s;
    DocumentCommands::openDocument(s.state, twoPages(), "first.SDF");
    DocumentCommands::importDocument(s.state, twoPages());
    s.selectLines({2});
    KeyboardNudge::nudge(s.state, {1, 0});
    s.markSaved("second.SDF");
    s.undoStack.undo();
    EXPECT_EQ(s.state.FileName, "second.SDF");
    s.undoStack.undo();
    EXPECT_EQ(s.state.FileName, "first.SDF");
    EXPECT_TRUE(s.titleText("Q").endsWith("* - Q"));
}

// New and Open replace the design and its history: no undo brings back what
// was open before, and the new design is unmodified.
TEST(UndoSteps, NewAndOpenStartAFreshCleanHistory)
{
    const struct
    {
        const char *name;
        std::function<void(EditorState &)> run;
        QStringList lines;
        QString fileName;
    } cases[] = {
        {"New", [](EditorState &e) { DocumentCommands::newDocument(e); }, {"{BOP", "0", "}EOP"}, ""},
        {"Open", [](EditorState &e) { DocumentCommands::openDocument(e, {"{BOP", "2", "}EOP"}, "x.SDF"); },
         {"{BOP", "2", "}EOP"}, "x.SDF"},
    };
    for (const auto &c : cases) {
        Session s;
        s.selectLines({2});
        KeyboardNudge::nudge(s.state, {1, 0});
        DocumentCommands::importDocument(s.state, twoPages());
        ASSERT_TRUE(s.undoStack.canUndo());
        c.run(s.state);
        EXPECT_FALSE(s.undoStack.canUndo()) << c.name;
        EXPECT_FALSE(s.isModified()) << c.name;
        s.undoStack.undo();
        EXPECT_EQ(s.state.DATA.lines(), c.lines) << c.name;
        EXPECT_EQ(s.state.FileName, c.fileName) << c.name;
    }
}

// Many random commands, then undo all of them: the document is the original.
TEST(UndoSteps, LongRandomSequenceUndoesToTheOriginal)
{
    Session s;
    QRandomGenerator random(11);
    QList<QStringList> seen{s.state.DATA.lines()};
    for (int step = 0; step < 400; ++step) {
        // A random selection of drawn elements of page 0 (what the render would list).
        s.state.Page = "0";
        s.state.LineList = SelectionSet::pageElements(s.state);
        QList<int> chosen;
        for (int line : s.state.LineList)
            if (random.bounded(3) == 0)
                chosen << line;
        if (chosen.isEmpty() && !s.state.LineList.isEmpty())
            chosen << s.state.LineList[random.bounded(int(s.state.LineList.size()))];
        s.selectLines(chosen);
        const int before = s.undoStack.index();
        switch (random.bounded(9)) {
        case 0: ElementCommands::addText(s.state, answers, QString::number(random.bounded(300))); break;
        case 1: if (s.state.LineList.size() > 2) ElementCommands::remove(s.state); break;
        case 2: if (s.state.LineList.size() < 40) ElementCommands::clone(s.state, true); break;
        case 3: ElementCommands::sendToBack(s.state); break;
        case 4: ElementCommands::sendToFront(s.state); break;
        case 5: KeyboardNudge::nudge(s.state, {random.bounded(3) - 1, random.bounded(3) - 1}); break;
        case 6: SelectionCommands::writeField(s.state, SelectionCommands::Field::Y, QString::number(random.bounded(99))); break;
        case 7: ElementClipboard::paste(s.state, ElementClipboard::selectedRecords(s.state), 10); break;
        case 8:
            if (random.bounded(4) == 0 && s.undoStack.canUndo()) {
                s.undoStack.undo();
                seen.removeLast();
                continue;
            }
            break;
        }
        if (s.undoStack.index() > before)
            seen << s.state.DATA.lines();
        else if (s.undoStack.index() == before && !seen.isEmpty())
            seen.last() = s.state.DATA.lines(); // merged into the top step
    }
    ASSERT_GT(s.undoStack.index(), 100);
    // Every intermediate state comes back on the way down.
    while (s.undoStack.canUndo()) {
        ASSERT_EQ(s.state.DATA.lines(), seen.takeLast());
        s.undoStack.undo();
    }
    EXPECT_EQ(s.state.DATA.lines(), twoPages());
}

TEST(LineSplice, SmallestReplacementBothWays)
{
    const QStringList a{"a", "b", "c", "d"};
    for (const QStringList &b : {QStringList{"a", "x", "d"}, QStringList{"a", "b", "c", "d", "e"}, QStringList{},
                                 QStringList{"b"}, QStringList{"a", "b", "b", "c", "d"}}) {
        const LineSplice s = LineSplice::between(a, b);
        Document lines(a);
        s.apply(lines);
        EXPECT_EQ(lines.lines(), b);
        s.revert(lines);
        EXPECT_EQ(lines.lines(), a);
        EXPECT_LE(s.removed.size() + s.inserted.size(), std::abs(a.size() - b.size()) + 2);
    }
}

} // namespace
