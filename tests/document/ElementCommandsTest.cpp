#include "document/ElementCommands.h"
#include "platform/RuntimeError.h"

#include <gtest/gtest.h>

#include <deque>

namespace {

// Answers the add commands' windows from a script and notes what was asked.
class FakeDialogs : public ElementDialogs
{
public:
    std::deque<std::optional<QString>> pictures;
    ButtonOptions buttonOptions;
    int hue = 0;
    QString text;
    QStringList asked;

    std::optional<QString> pickImage(const QString &folder, PickerMode mode) override
    {
        asked << QStringLiteral("picker %1 %2").arg(folder).arg(int(mode));
        if (pictures.empty())
            return std::nullopt;
        auto next = pictures.front();
        pictures.pop_front();
        return next;
    }
    ButtonOptions askButtonOptions() override
    {
        asked << QStringLiteral("button options");
        return buttonOptions;
    }
    int askHue() override
    {
        asked << QStringLiteral("hue");
        return hue;
    }
    QString askText() override
    {
        asked << QStringLiteral("text");
        return text;
    }
};

EditorState stateWith(const QStringList &lines, const QString &page = QStringLiteral("0"))
{
    EditorState s = EditorState::batch();
    s.AppDir = QStringLiteral("/app/");
    s.DATA = Document(lines);
    s.Page = page;
    return s;
}

const QStringList twoPictures = {"{BOP", "0",
                                 "gumppic", "10", "20", "A.bmp",
                                 "gumppic", "30", "40", "B.bmp",
                                 "}EOP"};

} // namespace

TEST(ElementCommands, AddsEachKindToAnEmptyDocument)
{
    FakeDialogs d;
    d.pictures = {QStringLiteral("1F4.bmp"), QStringLiteral("9200.bmp"), QStringLiteral("okay.bmp")};
    d.buttonOptions = {true, QStringLiteral("2"), QStringLiteral("say hi\r\nsay bye")};
    d.hue = 1152;
    d.text = QStringLiteral("Hello");

    EditorState s = stateWith({"{BOP", "0", "}EOP"});
    ASSERT_TRUE(ElementCommands::addGumppic(s, d));
    EXPECT_EQ(s.DATA.lines(), QStringList({"{BOP", "0", "gumppic", "0", "0", "1F4.bmp", "}EOP"}));

    s = stateWith({"{BOP", "0", "}EOP"});
    ASSERT_TRUE(ElementCommands::addResizepic(s, d));
    EXPECT_EQ(s.DATA.lines(), QStringList({"{BOP", "0", "resizepic", "0", "0", "9200.bmp", "100", "100", "}EOP"}));

    s = stateWith({"{BOP", "0", "}EOP"});
    ASSERT_TRUE(ElementCommands::addButton(s, d));
    EXPECT_EQ(s.DATA.lines(), QStringList({"{BOP", "0", "button", "0", "0", "okay.bmp", "1", "2", "1",
                                           "say hi\r\nsay bye", "}EOP"}));

    s = stateWith({"{BOP", "0", "}EOP"});
    ASSERT_TRUE(ElementCommands::addText(s, d));
    EXPECT_EQ(s.DATA.lines(), QStringList({"{BOP", "0", "text", "0", "0", "1152", "Hello", "}EOP"}));

    EXPECT_EQ(d.asked, QStringList({"picker /app/DATA/ 0", "picker /app/DATA/resizepic/ 2",
                                    "picker /app/DATA/buttons/ 1", "button options", "hue", "text"}));
}

TEST(ElementCommands, ButtonWithoutEventsHasEventsFlagZero)
{
    FakeDialogs d;
    d.pictures = {QStringLiteral("okay.bmp")};
    EditorState s = stateWith({"{BOP", "0", "}EOP"});
    ASSERT_TRUE(ElementCommands::addButton(s, d));
    EXPECT_EQ(s.DATA.recordAt(2), QStringList({"button", "0", "0", "okay.bmp", "0", "0", "0", ""}));
}

TEST(ElementCommands, AddingToAPageWithoutBracketAppendsOneAtTheEnd)
{
    FakeDialogs d;
    d.pictures = {QStringLiteral("1F4.bmp")};
    EditorState s = stateWith({"{BOP", "0", "}EOP", "LOCATION", "5", "5"}, QStringLiteral("2"));
    ASSERT_TRUE(ElementCommands::addGumppic(s, d));
    EXPECT_EQ(s.DATA.lines(), QStringList({"{BOP", "0", "}EOP", "LOCATION", "5", "5",
                                           "{BOP", "2", "gumppic", "0", "0", "1F4.bmp", "}EOP"}));
}

TEST(ElementCommands, CancelledPickerChangesNothingAndAsksNoMore)
{
    FakeDialogs d; // no pictures: every picker is cancelled
    EditorState s = stateWith({"{BOP", "0", "}EOP"});
    s.Dragging = true;
    EXPECT_FALSE(ElementCommands::addButton(s, d));
    EXPECT_TRUE(s.PickerCancelled);
    EXPECT_FALSE(s.Dragging);
    EXPECT_EQ(s.DATA.lines(), QStringList({"{BOP", "0", "}EOP"}));
    EXPECT_EQ(d.asked, QStringList({"picker /app/DATA/buttons/ 1"}));

    EXPECT_FALSE(ElementCommands::addGumppic(s, d));
    EXPECT_FALSE(ElementCommands::addResizepic(s, d));
    EXPECT_EQ(s.DATA.size(), 3);

    d.pictures = {QStringLiteral("1F4.bmp")};
    EXPECT_TRUE(ElementCommands::addGumppic(s, d));
    EXPECT_FALSE(s.PickerCancelled);
}

TEST(ElementCommands, AddKeepsTheSelectionOnItsElement)
{
    FakeDialogs d;
    d.pictures = {QStringLiteral("C.bmp")};
    // A hand-made file with two brackets for page 0: the record goes into both,
    // and the selection in the second bracket moves with its element.
    EditorState s = stateWith({"{BOP", "0", "}EOP", "{BOP", "0", "gumppic", "1", "1", "A.bmp", "}EOP"});
    s.SelectedLine = 5;
    ASSERT_TRUE(ElementCommands::addGumppic(s, d));
    EXPECT_EQ(s.DATA.line(s.SelectedLine + 3), QStringLiteral("A.bmp"));
    EXPECT_EQ(s.DATA.size(), 18);
}

TEST(ElementCommands, RemoveDeletesTheRecordAndDisablesTheModifyControls)
{
    EditorState s = stateWith({"{BOP", "1", "text", "5", "6", "0", "Hi", "}EOP"}, QStringLiteral("1"));
    s.SelectedLine = 2;
    s.SelectIndex = 0;
    s.Dragging = true;
    s.Controls.removeEnabled = true;
    s.Controls.popupRemoveEnabled = true;
    ElementCommands::remove(s);
    EXPECT_EQ(s.DATA.lines(), QStringList({"{BOP", "1", "}EOP"}));
    EXPECT_EQ(s.SelectedLine, 0);
    EXPECT_EQ(s.SelectIndex, -1);
    EXPECT_FALSE(s.Dragging);
    EXPECT_EQ(s.Controls, SelectionControls()); // shown, all disabled
}

TEST(ElementCommands, RemoveWithNothingSelectedDeletesNothing)
{
    EditorState s = stateWith(twoPictures);
    ElementCommands::remove(s);
    EXPECT_EQ(s.DATA.lines(), twoPictures);
}

TEST(ElementCommands, RemoveOfATruncatedRecordStopsAtTheEnd)
{
    EditorState s = stateWith({"{BOP", "0", "}EOP", "button", "1", "2"});
    s.SelectedLine = 3;
    ElementCommands::remove(s);
    EXPECT_EQ(s.DATA.lines(), QStringList({"{BOP", "0", "}EOP"}));
}

TEST(ElementCommands, CloneTwiceWithOffsetCopiesFromTheSource)
{
    EditorState s = stateWith(twoPictures);
    s.SelectedLine = 2;
    ElementCommands::clone(s, true);
    ElementCommands::clone(s, true);
    EXPECT_EQ(s.SelectedLine, 2);
    EXPECT_EQ(s.DATA.lines(), QStringList({"{BOP", "0",
                                           "gumppic", "10", "20", "A.bmp",
                                           "gumppic", "30", "40", "B.bmp",
                                           "gumppic", "20", "30", "A.bmp",
                                           "gumppic", "20", "30", "A.bmp",
                                           "}EOP"}));
}

TEST(ElementCommands, CloneWithoutOffsetCopiesUnchanged)
{
    EditorState s = stateWith({"{BOP", "0", "resizepic", "7", "8", "9200.bmp", "300", "200", "}EOP"});
    s.SelectedLine = 2;
    ElementCommands::clone(s, false);
    EXPECT_EQ(s.DATA.recordAt(8), s.DATA.recordAt(2));
}

TEST(ElementCommands, CloneWithNothingSelectedInsertsNothing)
{
    EditorState s = stateWith(twoPictures);
    ElementCommands::clone(s, true);
    EXPECT_EQ(s.DATA.lines(), twoPictures);
}

TEST(ElementCommands, CloneOfANonNumberFailsWithoutHalfARecord)
{
    EditorState s = stateWith({"{BOP", "0", "gumppic", "ten", "20", "A.bmp", "}EOP"});
    s.SelectedLine = 2;
    try {
        ElementCommands::clone(s, true);
        FAIL() << "expected a conversion error";
    } catch (const RuntimeError &e) {
        EXPECT_EQ(e.message(), QStringLiteral("'ten' is not a valid integer value"));
    }
    EXPECT_EQ(s.DATA.size(), 7);
}

TEST(ElementCommands, SendToBackAndFront)
{
    EditorState s = stateWith(twoPictures);
    s.SelectedLine = 6;
    ElementCommands::sendToBack(s);
    EXPECT_EQ(s.DATA.lines(), QStringList({"{BOP", "0", "gumppic", "30", "40", "B.bmp",
                                           "gumppic", "10", "20", "A.bmp", "}EOP"}));
    EXPECT_EQ(s.SelectedLine, 0);

    s.SelectedLine = 2;
    ElementCommands::sendToFront(s);
    EXPECT_EQ(s.DATA.lines(), twoPictures);
}

TEST(ElementCommands, SendToBackOfFirstAndFrontOfLastChangeNothingButClearTheSelection)
{
    EditorState s = stateWith(twoPictures);
    s.SelectedLine = 2;
    s.SelectIndex = 0;
    s.Controls.positionEnabled = true;
    s.Controls.changeImageEnabled = true;
    s.Controls.sizeVisible = true;
    ElementCommands::sendToBack(s);
    EXPECT_EQ(s.DATA.lines(), twoPictures);
    EXPECT_EQ(s.SelectedLine, 0);
    EXPECT_EQ(s.SelectIndex, -1);
    // Disabled, not hidden.
    EXPECT_TRUE(s.Controls.positionVisible);
    EXPECT_FALSE(s.Controls.positionEnabled);
    EXPECT_TRUE(s.Controls.changeImageVisible);
    EXPECT_FALSE(s.Controls.changeImageEnabled);
    EXPECT_FALSE(s.Controls.sizeVisible);

    s.SelectedLine = 6;
    ElementCommands::sendToFront(s);
    EXPECT_EQ(s.DATA.lines(), twoPictures);
    EXPECT_EQ(s.SelectedLine, 0);
}

TEST(ElementCommands, ReorderStaysInsideTheElementsOwnBracket)
{
    const QStringList lines = {"{BOP", "0", "gumppic", "1", "1", "P.bmp", "}EOP",
                               "{BOP", "1", "text", "1", "1", "0", "a", "text", "2", "2", "0", "b", "}EOP",
                               "LOCATION", "0", "0"};
    EditorState s = stateWith(lines, QStringLiteral("1"));
    s.SelectedLine = 14;
    ElementCommands::sendToBack(s);
    EXPECT_EQ(s.DATA.lines().mid(9, 10), QStringList({"text", "2", "2", "0", "b", "text", "1", "1", "0", "a"}));
    EXPECT_EQ(s.DATA.lines().mid(0, 9), lines.mid(0, 9));
    EXPECT_EQ(s.DATA.lines().mid(19), lines.mid(19));
}

TEST(ElementCommands, EventsTextBetweenDocumentAndEditBox)
{
    EXPECT_EQ(ElementCommands::eventsFromEditor(QStringLiteral("a\nb")), QStringLiteral("a\r\nb"));
    EXPECT_EQ(ElementCommands::eventsFromEditor(QStringLiteral("a\r\nb")), QStringLiteral("a\r\nb"));
    EXPECT_EQ(ElementCommands::eventsToEditor(QStringLiteral("a\r\nb")), QStringLiteral("a\nb"));
}

// A side asked as 0 (a click of the brush) takes the size the chosen
// background gives; a side drawn keeps its length. Button options left
// without Ok add no button.
TEST(ElementCommands, ABackgroundClickedTakesItsOwnSizeAndCancelledOptionsAddNothing)
{
    const struct
    {
        const char *width, *height;
        QStringList record;
    } cases[] = {
        {"0", "0", {"resizepic", "5", "6", "9200.bmp", "36", "48"}},
        {"80", "0", {"resizepic", "5", "6", "9200.bmp", "80", "48"}},
        {"80", "20", {"resizepic", "5", "6", "9200.bmp", "80", "20"}},
    };
    for (const auto &c : cases) {
        FakeDialogs d;
        d.pictures = {QStringLiteral("9200.bmp")};
        EditorState s = stateWith({"{BOP", "0", "}EOP"});
        QStringList askedFor;
        ASSERT_TRUE(ElementCommands::addResizepic(s, d, QStringLiteral("5"), QStringLiteral("6"),
                                                  QString::fromLatin1(c.width), QString::fromLatin1(c.height),
                                                  [&](const QString &file) {
                                                      askedFor << file;
                                                      return QSize(36, 48);
                                                  }));
        EXPECT_EQ(s.DATA.lines().mid(2, 6), c.record) << c.width << "x" << c.height;
    }

    FakeDialogs d;
    d.pictures = {QStringLiteral("okay.bmp")};
    d.buttonOptions.cancelled = true;
    EditorState s = stateWith({"{BOP", "0", "}EOP"});
    EXPECT_FALSE(ElementCommands::addButton(s, d));
    EXPECT_EQ(s.DATA.lines(), QStringList({"{BOP", "0", "}EOP"}));
}
