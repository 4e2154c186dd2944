#include "document/ElementClipboard.h"
#include "document/ElementCommands.h"
#include "document/SelectionSet.h"
#include "sphere/SphereExport.h"

#include <gtest/gtest.h>

#include <QMimeData>

namespace {

// Page 0: picture (2), text (6), background (11); page 1: a text (19).
EditorState threeOnPage0()
{
    EditorState s = EditorState::batch();
    s.DATA = Document({"{BOP", "0",
                       "gumppic", "10", "20", "a.bmp",
                       "text", "5", "5", "0", "Hi",
                       "resizepic", "0", "0", "stone.bmp", "100", "80",
                       "}EOP",
                       "{BOP", "1", "text", "1", "1", "0", "other", "}EOP"});
    s.LineList = {2, 6, 11};
    return s;
}

TEST(SelectionSet, PrimaryIsTheLastChosenAndCtrlClickTogglesIt)
{
    EditorState s = threeOnPage0();
    SelectionSet::selectOnly(s, 2);
    SelectionSet::toggle(s, 11);
    SelectionSet::toggle(s, 6);
    EXPECT_EQ(SelectionSet::lines(s), (QList<int>{2, 11, 6}));
    EXPECT_EQ(s.SelectedLine, 6);
    EXPECT_EQ(s.SelectIndex, 1);
    SelectionSet::toggle(s, 6); // out again: the one before is primary
    EXPECT_EQ(s.SelectedLine, 11);
    EXPECT_TRUE(s.Controls.sizeVisible);
    SelectionSet::toggle(s, 11);
    SelectionSet::toggle(s, 2);
    EXPECT_EQ(s.SelectedLine, 0);
    EXPECT_TRUE(SelectionSet::lines(s).isEmpty());

    // A command that sets SelectedLine alone leaves a selection of that one.
    SelectionSet::selectLines(s, {2, 6});
    s.SelectedLine = 11;
    EXPECT_EQ(SelectionSet::lines(s), (QList<int>{11}));
    SelectionSet::selectLines(s, SelectionSet::pageElements(s));
    EXPECT_EQ(SelectionSet::linesInOrder(s), (QList<int>{2, 6, 11}));
}

TEST(SelectionSet, CommandsActOnEverySelectedElement)
{
    EditorState s = threeOnPage0();
    SelectionSet::selectLines(s, {11, 2});
    ElementCommands::sendToFront(s); // both, in document order, after the text
    EXPECT_EQ(s.DATA.line(2), "text");
    EXPECT_EQ(s.DATA.line(7), "gumppic");
    EXPECT_EQ(s.DATA.line(11), "resizepic");
    EXPECT_TRUE(SelectionSet::lines(s).isEmpty());

    s = threeOnPage0();
    SelectionSet::selectLines(s, {2, 11});
    ElementCommands::clone(s, true);
    EXPECT_EQ(s.DATA.recordAt(17), (QStringList{"gumppic", "20", "30", "a.bmp"}));
    EXPECT_EQ(s.DATA.recordAt(21), (QStringList{"resizepic", "10", "10", "stone.bmp", "100", "80"}));
    EXPECT_EQ(SelectionSet::lines(s), (QList<int>{2, 11}));

    ElementCommands::remove(s);
    EXPECT_EQ(s.DATA.line(2), "text");
    EXPECT_EQ(s.DATA.line(7), "gumppic");
    EXPECT_EQ(s.DATA.line(11), "resizepic");
    EXPECT_EQ(s.DATA.line(17), "}EOP");
}

TEST(ElementClipboard, CopyPasteRoundTripExportsTheSameElements)
{
    EditorState s = threeOnPage0();
    SelectionSet::selectLines(s, {11, 6});
    const QStringList copied = ElementClipboard::selectedRecords(s);
    QStringList script;
    writeSphereElementLines(copied, SphereDialect::V55iTo99g, QString(), script);
    EXPECT_EQ(script, (QStringList{"dtext 5 5 0 Hi", "resizepic 0 0 stone 100 80"}));

    const auto data = ElementClipboard::encode(copied, script);
    EXPECT_TRUE(data->text().startsWith("dtext 5 5 0 Hi\r\n"));
    const QStringList decoded = ElementClipboard::decode(*data);
    ASSERT_EQ(decoded, copied);

    s.Page = "1";
    ElementClipboard::paste(s, decoded, 0);
    const QStringList pasted = ElementClipboard::selectedRecords(s);
    QStringList again;
    writeSphereElementLines(pasted, SphereDialect::V55iTo99g, QString(), again);
    EXPECT_EQ(again, script);
    EXPECT_EQ(s.DATA.pageOfLine(s.SelectedLine), "1");

    // The next paste lands a step further.
    ElementClipboard::paste(s, decoded, 2 * ElementClipboard::PasteStep);
    EXPECT_EQ(ElementClipboard::selectedRecords(s).mid(0, 5), (QStringList{"text", "25", "25", "0", "Hi"}));
}

TEST(ElementClipboard, ForeignDataNeverInsertsStructureOrHalfRecords)
{
    QMimeData data;
    data.setData(ElementClipboard::MimeType, "}EOP\r\n{BOP\r\n7\r\ngumppic\r\n1\r\n2\r\na.bmp\r\nbutton\r\n1\r\n");
    EXPECT_EQ(ElementClipboard::decode(data), (QStringList{"gumppic", "1", "2", "a.bmp"}));
    QMimeData plain;
    plain.setText("gumppic\r\n1\r\n2\r\na.bmp\r\n");
    EXPECT_TRUE(ElementClipboard::decode(plain).isEmpty());

    EditorState s = threeOnPage0();
    EXPECT_FALSE(ElementClipboard::paste(s, {"}EOP", "{BOP"}, 10));
    EXPECT_EQ(s.DATA.size(), 26);
}

} // namespace
