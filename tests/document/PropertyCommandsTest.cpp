#include "document/DocumentCommands.h"
#include "document/DocumentSession.h"
#include "document/PropertyCommands.h"
#include "sphere/SphereExport.h"

#include <gtest/gtest.h>

namespace {

class FakeWindows : public ElementDialogs, public PropertyDialogs
{
public:
    std::optional<QString> picked;
    QString pickedFolder;
    int pickedMode = -1;
    std::optional<int> hueShown = -1;
    int hue = 0;
    std::optional<int> hueChosen;
    QString text, textShown;
    ButtonOptions options, optionsShown;

    std::optional<QString> pickImage(const QString &folder, PickerMode mode) override
    {
        pickedFolder = folder;
        pickedMode = int(mode);
        return picked;
    }
    ButtonOptions askButtonOptions() override { return options; }
    int askHue() override { return hue; }
    QString askText() override { return text; }
    std::optional<int> editHue(std::optional<int> current) override { hueShown = current; return hueChosen; }
    QString editText(const QString &current) override { textShown = current; return text; }
    ButtonOptions editButtonOptions(const ButtonOptions &current) override { optionsShown = current; return options; }
};

EditorState selected(const QStringList &record)
{
    EditorState s = EditorState::batch();
    s.AppDir = QStringLiteral("/app/");
    s.DATA = Document(QStringList{"{BOP", "0"} + record + QStringList{"}EOP"});
    s.SelectedLine = 2;
    s.Dragging = true;
    return s;
}

} // namespace

TEST(PropertyCommands, ChangeImageOpensThePickerOfTheKindAndCancelKeepsTheFile)
{
    using Mode = ElementDialogs::PickerMode;
    const struct
    {
        QStringList record;
        const char *folder;
        Mode mode;
    } cases[] = {
        {{"gumppic", "1", "2", "1F4.bmp"}, "/app/DATA/", Mode::Picture},
        {{"button", "1", "2", "ok.bmp", "1", "0", "0", ""}, "/app/DATA/buttons/", Mode::Button},
        {{"resizepic", "1", "2", "9200.bmp", "50", "40"}, "/app/DATA/resizepic/", Mode::Resizepic},
    };
    for (const auto &c : cases) {
        FakeWindows w;
        EditorState s = selected(c.record);
        EXPECT_FALSE(PropertyCommands::changeImage(s, w));
        EXPECT_EQ(w.pickedFolder, QString::fromLatin1(c.folder));
        EXPECT_EQ(w.pickedMode, int(c.mode));
        EXPECT_EQ(s.DATA.line(5), c.record[3]);
        EXPECT_FALSE(s.Dragging);

        w.picked = QStringLiteral("new.bmp");
        EXPECT_TRUE(PropertyCommands::changeImage(s, w));
        EXPECT_EQ(s.DATA.line(5), QStringLiteral("new.bmp"));
    }
    FakeWindows w;
    EditorState text = selected({"text", "1", "2", "0", "Hi"});
    EXPECT_FALSE(PropertyCommands::changeImage(text, w));
    EXPECT_EQ(w.pickedMode, -1); // texts have no image
}

// The hue window is shown the text's hue; Ok without a new choice keeps it,
// whatever it is.
TEST(PropertyCommands, TextOptionsShowTheHueAndKeepItWithoutAChoice)
{
    const struct
    {
        const char *hue;
        std::optional<int> shown;
        std::optional<int> chosen;
        const char *stored;
    } cases[] = {
        {"455", 455, std::nullopt, "455"},
        {"95", 95, std::nullopt, "95"},
        {"38", 38, 1250, "1250"},
        {"0x1F", 0x1F, std::nullopt, "0x1F"},
        {"", std::nullopt, std::nullopt, ""},
        {"dark", std::nullopt, 7, "7"},
    };
    for (const auto &c : cases) {
        FakeWindows w;
        w.hueChosen = c.chosen;
        w.text = QStringLiteral("Hi");
        EditorState s = selected({"text", "1", "2", QString::fromLatin1(c.hue), "Hi"});
        EXPECT_EQ(PropertyCommands::editOptions(s, w), c.chosen.has_value()) << c.hue;
        EXPECT_EQ(w.hueShown, c.shown) << c.hue;
        EXPECT_EQ(w.textShown, QStringLiteral("Hi"));
        EXPECT_EQ(s.DATA.lines().mid(5, 2), QStringList({QString::fromLatin1(c.stored), "Hi"})) << c.hue;
    }
}

TEST(PropertyCommands, ButtonOptionsRoundTripAndClearedEventsExportReplyZero)
{
    FakeWindows w;
    EditorState s = selected({"button", "1", "2", "okay.bmp", "1", "3", "1", "dialogclose"});
    w.options = {false, QStringLiteral("4"), QString()};
    EXPECT_TRUE(PropertyCommands::editOptions(s, w));
    EXPECT_TRUE(w.optionsShown.closeOnClick);
    EXPECT_EQ(w.optionsShown.page, QStringLiteral("3"));
    EXPECT_EQ(w.optionsShown.events, QStringLiteral("dialogclose"));
    EXPECT_EQ(s.DATA.lines().mid(6, 4), QStringList({"0", "4", "0", ""}));

    // Pictures and backgrounds have no options.
    EditorState picture = selected({"gumppic", "1", "2", "1F4.bmp"});
    EXPECT_FALSE(PropertyCommands::editOptions(picture, w));
}

TEST(PropertyCommands, NewerKindsChangeTheirArtFieldInTheirPickersMode)
{
    using Mode = ElementDialogs::PickerMode;
    const struct
    {
        QStringList record;
        int artField;            // -1: no image to change
        const char *folder;
        Mode mode;
    } cases[] = {
        {{"checkbox", "1", "2", "box.bmp", "0", "1"}, 3, "/app/DATA/buttons/", Mode::Button},
        {{"gumppictiled", "1", "2", "50", "40", "T.bmp"}, 5, "/app/DATA/", Mode::Picture},
        {{"gumppichue", "1", "2", "R.bmp", "5"}, 3, "/app/DATA/", Mode::Picture},
        {{"tilepic", "1", "2", "3821", "0"}, -1, "", Mode::Picture},
        {{"gumppictiled", "1", "2", "50"}, -1, "", Mode::Picture},   // cut short: nothing to edit
    };
    for (const auto &c : cases) {
        FakeWindows w;
        w.picked = QStringLiteral("new.bmp");
        EditorState s = selected(c.record);
        const QStringList before = s.DATA.lines();
        const std::string what = c.record.join(' ').toStdString();
        EXPECT_EQ(PropertyCommands::changeImage(s, w), c.artField > 0) << what;
        if (c.artField < 0) {
            EXPECT_EQ(w.pickedMode, -1) << what;
            EXPECT_EQ(s.DATA.lines(), before) << what;
            continue;
        }
        EXPECT_EQ(w.pickedFolder, QString::fromLatin1(c.folder)) << what;
        EXPECT_EQ(w.pickedMode, int(c.mode)) << what;
        QStringList expected = before;
        expected[2 + c.artField] = QStringLiteral("new.bmp");
        EXPECT_EQ(s.DATA.lines(), expected) << what;
    }
}

TEST(PropertyCommands, ChangeImageAndOptionsAreOneUndoStepEachAndNoneWhenNothingChanged)
{
    DocumentSession session;
    EditorState &s = session.state;
    s.AppDir = QStringLiteral("/app/");
    s.DATA = Document({"{BOP", "0", "button", "1", "2", "okay.bmp", "1", "3", "1", "dialogclose",
                       "checkbox", "5", "6", "box.bmp", "0", "1", "}EOP"});
    const QStringList original = s.DATA.lines();
    FakeWindows w;

    s.SelectedLine = 2;
    w.options = {false, QStringLiteral("4"), QString()};
    ASSERT_TRUE(PropertyCommands::editOptions(s, w));   // four fields, one step
    EXPECT_EQ(session.undoStack.count(), 1);
    EXPECT_EQ(session.undoStack.undoText(), "Change Options");
    EXPECT_FALSE(PropertyCommands::editOptions(s, w));  // the same answers again
    EXPECT_EQ(session.undoStack.count(), 1);

    s.SelectedLine = 10;
    EXPECT_FALSE(PropertyCommands::changeImage(s, w));  // cancelled
    EXPECT_EQ(session.undoStack.count(), 1);
    w.picked = QStringLiteral("other.bmp");
    ASSERT_TRUE(PropertyCommands::changeImage(s, w));
    EXPECT_EQ(session.undoStack.count(), 2);
    EXPECT_EQ(session.undoStack.undoText(), "Change Image");
    EXPECT_EQ(s.DATA.line(13), "other.bmp");

    session.undoStack.undo();
    EXPECT_EQ(s.DATA.line(13), "box.bmp");
    session.undoStack.undo();
    EXPECT_EQ(s.DATA.lines(), original);
}

TEST(DocumentCommands, LocationAndFlagsAreAppendedWhereTheWalkFindsThem)
{
    const struct
    {
        QStringList lines;
        QStringList expected;
    } cases[] = {
        {{"{BOP", "0", "}EOP", "MISC", "0", "1"}, {"{BOP", "0", "}EOP", "MISC", "0", "1", "LOCATION", "30", "40"}},
        // A text cut off at the end of the file gets its missing line first.
        {{"{BOP", "0", "}EOP", "text", "1", "2", "0"},
         {"{BOP", "0", "}EOP", "text", "1", "2", "0", "", "LOCATION", "30", "40"}},
        // A location record cut short at the end is completed, not appended again.
        {{"{BOP", "0", "}EOP", "LOCATION", "5"}, {"{BOP", "0", "}EOP", "LOCATION", "30", "40"}},
        // One cut short by the flags record after it gets its line before them, not over them.
        {{"{BOP", "0", "}EOP", "LOCATION", "5", "MISC", "0", "1"},
         {"{BOP", "0", "}EOP", "LOCATION", "30", "40", "MISC", "0", "1"}},
    };
    for (const auto &c : cases) {
        EditorState s = EditorState::batch();
        s.DATA = Document(c.lines);
        s.LocationLine = s.DATA.lastLocationLine();
        DocumentCommands::storeLocation(s, {QStringLiteral("30"), QStringLiteral("40")});
        EXPECT_EQ(s.DATA.lines(), c.expected);
        ASSERT_GE(s.DATA.lastLocationLine(), 0);
        EditorState reread = EditorState::batch();
        reread.DATA = s.DATA;
        reread.LocationLine = s.DATA.lastLocationLine();
        EXPECT_EQ(DocumentCommands::location(reread)->x, "30");
    }
}
