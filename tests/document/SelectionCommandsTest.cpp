#include "document/DocumentCommands.h"
#include "document/DocumentSession.h"
#include "document/SelectionCommands.h"
#include "document/SelectionSet.h"
#include "platform/NumberText.h"
#include "platform/RuntimeError.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

EditorState designWithBackgroundAndText()
{
    EditorState s = EditorState::batch();
    s.DATA = Document({"{BOP", "0",
                       "resizepic", "0", "5", "9200.bmp", "300", "200",
                       "text", "40", "50", "1152", "Hello",
                       "}EOP"});
    s.SelectList = {QStringLiteral("Resizepic at 0 5"), QStringLiteral("Text at 40 50")};
    s.LineList = {2, 8};
    return s;
}

} // namespace

TEST(SelectionCommands, SelectingABackgroundThenATextSetsTheControls)
{
    EditorState s = designWithBackgroundAndText();
    ASSERT_TRUE(SelectionCommands::select(s, 0));
    EXPECT_EQ(s.SelectedLine, 2);
    EXPECT_EQ(s.SelectIndex, 0);
    const SelectionControls &c = s.Controls;
    EXPECT_TRUE(c.sizeVisible);
    EXPECT_TRUE(c.changeImageVisible);
    EXPECT_FALSE(c.optionsVisible);
    EXPECT_TRUE(c.removeEnabled && c.positionEnabled && c.positionVisible);
    EXPECT_TRUE(c.popupCloneEnabled && c.popupRemoveEnabled && c.popupSendBackEnabled && c.popupSendFrontEnabled);

    ASSERT_TRUE(SelectionCommands::select(s, 1));
    EXPECT_EQ(s.SelectedLine, 8);
    EXPECT_FALSE(c.sizeVisible);
    EXPECT_FALSE(c.changeImageVisible);
    EXPECT_TRUE(c.optionsVisible);
}

TEST(SelectionCommands, SelectingOutsideTheListChangesNothing)
{
    EditorState s = designWithBackgroundAndText();
    EXPECT_FALSE(SelectionCommands::select(s, 2));
    EXPECT_FALSE(SelectionCommands::select(s, -1));
    EXPECT_EQ(s.SelectedLine, 0);
}

TEST(SelectionCommands, ReadoutCopiesPositionAndForABackgroundSize)
{
    EditorState s = designWithBackgroundAndText();
    EXPECT_FALSE(SelectionCommands::readout(s));
    SelectionCommands::select(s, 0);
    auto r = SelectionCommands::readout(s);
    ASSERT_TRUE(r);
    EXPECT_EQ(r->x, QStringLiteral("0"));
    EXPECT_EQ(r->y, QStringLiteral("5"));
    EXPECT_EQ(r->width, QStringLiteral("300"));
    EXPECT_EQ(r->height, QStringLiteral("200"));

    SelectionCommands::select(s, 1);
    r = SelectionCommands::readout(s);
    ASSERT_TRUE(r);
    EXPECT_EQ(r->x, QStringLiteral("40"));
    EXPECT_FALSE(r->width);

    s.SelectIndex = -1; // selected but not listed yet (pasted): read all the same
    EXPECT_TRUE(SelectionCommands::readout(s));
    s.SelectedLine = 0;
    EXPECT_FALSE(SelectionCommands::readout(s));
}

TEST(SelectionCommands, SpinTextBelowOneBecomesZero)
{
    EXPECT_EQ(NumberText::zeroBelowOne(QStringLiteral("-5")), QStringLiteral("0"));
    EXPECT_EQ(NumberText::zeroBelowOne(QStringLiteral("0")), QStringLiteral("0"));
    EXPECT_EQ(NumberText::zeroBelowOne(QStringLiteral("12")), QStringLiteral("12"));
    EXPECT_THROW(NumberText::zeroBelowOne(QString()), RuntimeError);
}

TEST(SelectionCommands, WriteFieldEditsOnlyTheSelectedElement)
{
    using SelectionCommands::Field;
    EditorState s = designWithBackgroundAndText();
    // Nothing selected: line 0 + 1 is the page number and must stay.
    EXPECT_FALSE(SelectionCommands::writeField(s, Field::X, QStringLiteral("7")));
    EXPECT_EQ(s.DATA.line(1), QStringLiteral("0"));

    SelectionCommands::select(s, 0);
    EXPECT_TRUE(SelectionCommands::writeField(s, Field::Width, QStringLiteral("0")));
    EXPECT_EQ(s.DATA.line(6), QStringLiteral("0"));
    EXPECT_FALSE(SelectionCommands::writeField(s, Field::Width, QStringLiteral("0"))); // same text

    SelectionCommands::select(s, 1);
    EXPECT_TRUE(SelectionCommands::writeField(s, Field::Y, QStringLiteral("9")));
    EXPECT_EQ(s.DATA.line(10), QStringLiteral("9"));
    // A text has no size: its hue and string stay.
    EXPECT_FALSE(SelectionCommands::writeField(s, Field::Width, QStringLiteral("3")));
    EXPECT_EQ(s.DATA.line(12), QStringLiteral("Hello"));
}

TEST(DocumentCommands, PageBoxFromZeroToThreeCreatesBracketsAtTheEnd)
{
    EditorState s = EditorState::batch();
    s.DATA = Document({"{BOP", "0", "}EOP", "MISC", "0", "1"});
    for (const char *page : {"1", "2", "3"})
        DocumentCommands::changePage(s, NumberText::zeroBelowOne(QString::fromLatin1(page)));
    EXPECT_EQ(s.DATA.lines(), QStringList({"{BOP", "0", "}EOP", "MISC", "0", "1",
                                           "{BOP", "1", "}EOP", "{BOP", "2", "}EOP", "{BOP", "3", "}EOP"}));
    EXPECT_EQ(s.Page, QStringLiteral("3"));

    DocumentCommands::changePage(s, QStringLiteral("1")); // an existing page creates nothing
    EXPECT_EQ(s.DATA.size(), 15);
}

TEST(DocumentCommands, PageChangeResetsTheSelection)
{
    EditorState s = designWithBackgroundAndText();
    SelectionCommands::select(s, 0);
    s.Dragging = true;
    DocumentCommands::changePage(s, QStringLiteral("0"));
    EXPECT_EQ(s.SelectedLine, 0);
    EXPECT_EQ(s.SelectIndex, -1);
    EXPECT_FALSE(s.Dragging);
    EXPECT_FALSE(s.Controls.removeEnabled);
    EXPECT_FALSE(s.Controls.positionEnabled);
    EXPECT_TRUE(s.Controls.positionVisible);
    EXPECT_FALSE(s.Controls.sizeVisible);
    EXPECT_FALSE(s.Controls.popupSendBackEnabled);
    EXPECT_FALSE(s.Controls.popupCloneEnabled);
}

TEST(DocumentCommands, NewOnPageThreeGivesThePageZeroDocument)
{
    EditorState s = designWithBackgroundAndText();
    s.Page = QStringLiteral("3");
    SelectionCommands::select(s, 1);
    DocumentCommands::newDocument(s);
    EXPECT_EQ(s.Page, QStringLiteral("0"));
    EXPECT_EQ(s.DATA.lines(), QStringList({"{BOP", "0", "}EOP"}));
    EXPECT_EQ(s.SelectedLine, 0);
    EXPECT_FALSE(s.Controls.removeEnabled);
}

TEST(DocumentCommands, LocationIsWrittenIntoItsRecordOrAppended)
{
    EditorState s = EditorState::batch();
    s.DATA = Document({"{BOP", "0", "}EOP", "MISC", "1", "0"});
    EXPECT_FALSE(DocumentCommands::location(s));
    DocumentCommands::storeLocation(s, {QStringLiteral("50"), QStringLiteral("60")});
    EXPECT_EQ(s.DATA.lines().mid(6), QStringList({"LOCATION", "50", "60"}));

    s.LocationLine = 6;
    const auto loc = DocumentCommands::location(s);
    ASSERT_TRUE(loc);
    EXPECT_EQ(loc->y, QStringLiteral("60"));
    DocumentCommands::storeLocation(s, {QStringLiteral("1"), QStringLiteral("2")});
    EXPECT_EQ(s.DATA.lines().mid(6), QStringList({"LOCATION", "1", "2"}));
    EXPECT_EQ(s.DATA.size(), 9);
}

TEST(DocumentCommands, WindowFlagsAreWrittenIntoTheirRecordOrAppended)
{
    EditorState s = EditorState::batch();
    DocumentCommands::storeWindowFlags(s, {true, false});
    EXPECT_EQ(s.DATA.lines().mid(3), QStringList({"MISC", "1", "0"}));
    s.MiscLine = 3;
    const auto flags = DocumentCommands::windowFlags(s);
    ASSERT_TRUE(flags);
    EXPECT_TRUE(flags->canNotClose);
    EXPECT_FALSE(flags->canNotMove);
    DocumentCommands::storeWindowFlags(s, {false, true});
    EXPECT_EQ(s.DATA.lines().mid(3), QStringList({"MISC", "0", "1"}));
}

TEST(SelectionCommands, TheSizeSpinsOfABoxKindEditItsOwnSizeFields)
{
    using SelectionCommands::Field;
    EditorState s = EditorState::batch();
    s.DATA = Document({"{BOP", "0", "htmlgump", "1", "2", "200", "80", "1", "0", "Hi",
                       "tilepic", "3", "4", "3821", "0", "}EOP"});
    s.SelectList = {QStringLiteral("Htmlgump at 1 2"), QStringLiteral("Tilepic at 3 4")};
    s.LineList = {2, 10};
    SelectionCommands::select(s, 0);
    EXPECT_TRUE(SelectionCommands::writeField(s, Field::Width, "150"));
    EXPECT_TRUE(SelectionCommands::writeField(s, Field::Height, "60"));
    EXPECT_EQ(s.DATA.lines().mid(5, 3), (QStringList{"150", "60", "1"}));
    const auto r = SelectionCommands::readout(s);
    ASSERT_TRUE(r && r->width && r->height);
    EXPECT_EQ(*r->width, "150");
    EXPECT_EQ(*r->height, "60");

    SelectionCommands::select(s, 1); // no size of its own: the item number stays
    EXPECT_FALSE(SelectionCommands::writeField(s, Field::Width, "5"));
    EXPECT_EQ(s.DATA.line(13), "3821");
}

TEST(DocumentCommands, TheCloseBlockIsOneUndoStepAndNoneWhenUnchanged)
{
    DocumentSession session;
    EditorState &s = session.state;
    s.DATA.reset("0");
    EXPECT_FALSE(DocumentCommands::storeCloseBlock(s, "")); // nothing to keep: no record added
    EXPECT_EQ(s.DATA.size(), 3);
    EXPECT_TRUE(DocumentCommands::storeCloseBlock(s, "SRC.SYSMESSAGE Bye\r\nDIALOGCLOSE"));
    EXPECT_EQ(s.DATA.lines().mid(3), QStringList({"CLOSEBLOCK", "SRC.SYSMESSAGE Bye\r\nDIALOGCLOSE"}));
    EXPECT_FALSE(DocumentCommands::storeCloseBlock(s, "SRC.SYSMESSAGE Bye\r\nDIALOGCLOSE"));
    EXPECT_EQ(session.undoStack.count(), 1);
    session.undoStack.undo();
    EXPECT_EQ(s.DATA.size(), 3);
}

TEST(SelectionCommands, NewerKindsShowChangeImageOnlyWithAnArtFileAndAlwaysOptions)
{
    const struct { QStringList record; bool image; bool size; } cases[] = {
        {{"checkbox", "1", "2", "box.bmp", "0", "1"}, true, false},
        {{"gumppictiled", "1", "2", "50", "40", "T.bmp"}, true, true},
        {{"htmlgump", "1", "2", "200", "80", "1", "0", "Hi"}, false, true},
        {{"tilepic", "1", "2", "3821", "0"}, false, false},
        {{"checkertrans", "1", "2", "10", "10"}, false, true},
    };
    for (const auto &c : cases) {
        EditorState s = EditorState::batch();
        s.DATA = Document(QStringList{"{BOP", "0"} + c.record + QStringList{"}EOP"});
        s.SelectList = {c.record.first()};
        s.LineList = {2};
        ASSERT_TRUE(SelectionCommands::select(s, 0));
        const SelectionControls &k = s.Controls;
        EXPECT_EQ(k.changeImageVisible, c.image) << c.record.first().toStdString();
        EXPECT_EQ(k.sizeVisible, c.size) << c.record.first().toStdString();
        EXPECT_TRUE(k.optionsVisible && k.optionsEnabled && k.changeImageEnabled) << c.record.first().toStdString();
    }
}

// The controls show the selection whatever changed it: a click on empty
// canvas, elements selected before the list held them (a paste), a render.
TEST(SelectionCommands, TheControlsFollowTheSelectionHoweverItChanged)
{
    const auto clickEmpty = [](EditorState &s) { SelectionSet::selectOnly(s, 0); };
    const auto pasteBoth = [](EditorState &s) {
        s.LineList.clear(); // the pasted records are not listed before the next render
        SelectionSet::selectLines(s, {2, 8});
    };
    const auto pasteThenRender = [&](EditorState &s) {
        pasteBoth(s);
        s.LineList = {2, 8};
        SelectionCommands::follow(s);
    };
    const struct {
        const char *what;
        std::function<void(EditorState &)> change;
        bool removeEnabled, optionsEnabled, sizeVisible;
        int selectIndex;
    } cases[] = {
        {"click on empty canvas", clickEmpty, false, false, false, -1},
        {"paste", pasteBoth, true, true, false, -1},
        {"paste and render", pasteThenRender, true, true, false, 1},
    };
    for (const auto &c : cases) {
        EditorState s = designWithBackgroundAndText();
        SelectionCommands::select(s, 0); // the background: size shown, options hidden
        c.change(s);
        EXPECT_EQ(s.Controls.removeEnabled, c.removeEnabled) << c.what;
        EXPECT_EQ(s.Controls.optionsEnabled, c.optionsEnabled) << c.what;
        EXPECT_EQ(s.Controls.positionEnabled, c.removeEnabled) << c.what;
        EXPECT_TRUE(s.Controls.positionVisible) << c.what;
        EXPECT_EQ(s.Controls.sizeVisible, c.sizeVisible) << c.what;
        EXPECT_EQ(s.SelectIndex, c.selectIndex) << c.what;
    }
}
