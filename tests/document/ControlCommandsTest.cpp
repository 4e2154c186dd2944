#include "document/ControlCommands.h"
#include "document/DocumentSession.h"

#include <gtest/gtest.h>

namespace {

class Picker : public ElementDialogs
{
public:
    std::optional<QString> answer;
    QString folder;
    std::optional<QString> pickImage(const QString &f, PickerMode) override
    {
        folder = f;
        return answer;
    }
    ButtonOptions askButtonOptions() override { return {}; }
    int askHue() override { return 0; }
    QString askText() override { return {}; }
};

struct Session : DocumentSession
{
    Session()
    {
        state.DATA = Document(QStringList{"{BOP", "0", "gumppic", "1", "2", "a.bmp", "}EOP"});
        state.Page = QStringLiteral("0");
        state.AppDir = QStringLiteral("/app/");
    }
};

} // namespace

TEST(ControlCommands, NewRecordsHaveTheLengthTheWalkerMeasures)
{
    for (const ElementKind kind : Records::allKinds()) {
        if (Records::isClassicKind(kind)) {
            EXPECT_TRUE(ControlCommands::fieldsOf(kind).isEmpty());
            continue;
        }
        const QStringList record = ControlCommands::newRecord(kind, "7", "8");
        ASSERT_EQ(record.size(), Records::lengthOf(kind)) << Records::wordOf(kind).toStdString();
        EXPECT_EQ(RecordWalker::lengthAt(record, 0), record.size());
        EXPECT_EQ(record.mid(0, 3), (QStringList{Records::wordOf(kind), "7", "8"}));
    }
}

TEST(ControlCommands, InsertAsksForArtSelectsTheNewElementAndUndoes)
{
    Session s;
    Picker picker;
    EXPECT_FALSE(ControlCommands::insertControl(s.state, picker, ElementKind::Radio));
    EXPECT_EQ(s.state.DATA.size(), 7);
    EXPECT_EQ(s.undoStack.count(), 0);
    EXPECT_EQ(picker.folder, "/app/DATA/buttons/");

    picker.answer = QStringLiteral("radio.bmp");
    ASSERT_TRUE(ControlCommands::insertControl(s.state, picker, ElementKind::Radio, "5", "6"));
    EXPECT_EQ(s.state.DATA.lines().mid(6, 7), (QStringList{"radio", "5", "6", "radio.bmp", "0", "1", "0"}));
    EXPECT_EQ(s.state.SelectedLine, 6);
    EXPECT_EQ(s.undoStack.undoText(), "Add radio");

    picker.folder.clear();
    ASSERT_TRUE(ControlCommands::insertControl(s.state, picker, ElementKind::Checkertrans));
    EXPECT_TRUE(picker.folder.isEmpty());   // nothing to pick
    EXPECT_EQ(s.state.SelectedLine, 13);
    s.undoStack.undo();
    s.undoStack.undo();
    EXPECT_EQ(s.state.DATA.size(), 7);
}

TEST(ControlCommands, FieldEditsAreCheckedAndKeystrokesMerge)
{
    Session s;
    Picker picker;
    ASSERT_TRUE(ControlCommands::insertControl(s.state, picker, ElementKind::Textentry));
    const int at = s.state.SelectedLine;
    const struct { int field; const char *text; bool written; } cases[] = {
        {3, "150", true},      // width
        {5, "abc", false},     // hue needs a number
        {8, "Name", true},     // initial text
        {8, "two\nlines", false},
        {9, "1", false},       // past the record
        {0, "gumppic", false}, // the kind word is no field
    };
    for (const auto &c : cases) {
        const QString before = s.state.DATA.line(at + c.field);
        EXPECT_EQ(ControlCommands::writeControlField(s.state, c.field, c.text), c.written) << c.field << " " << c.text;
        EXPECT_EQ(s.state.DATA.line(at + c.field), c.written ? QString(c.text) : before);
    }
    const int steps = s.undoStack.count();
    ASSERT_TRUE(ControlCommands::writeControlField(s.state, 8, "Name2"));
    ASSERT_TRUE(ControlCommands::writeControlField(s.state, 8, "Name23"));
    EXPECT_EQ(s.undoStack.count(), steps);   // merged into the last edit of that field
    s.undoStack.undo();
    EXPECT_EQ(s.state.DATA.line(at + 8), "");

    s.state.SelectedLine = 2;   // a classic kind keeps its own windows
    EXPECT_FALSE(ControlCommands::writeControlField(s.state, 1, "9"));
}

TEST(ControlCommands, ADrawnBoxSetsTheSizeAndASideLeftAtZeroKeepsItsInitialValue)
{
    const struct { ElementKind kind; QSize size; const char *width, *height; } cases[] = {
        {ElementKind::Htmlgump, {120, 60}, "120", "60"},
        {ElementKind::Htmlgump, {0, 0}, "200", "100"},    // a click
        {ElementKind::Croppedtext, {90, 0}, "90", "20"},  // dragged sideways only
        {ElementKind::Checkertrans, {0, 33}, "100", "33"},
        {ElementKind::Textentry, {-5, 7}, "100", "7"},
    };
    for (const auto &c : cases) {
        Session s;
        Picker picker;
        ASSERT_TRUE(ControlCommands::insertControl(s.state, picker, c.kind, "3", "4", c.size));
        const int at = s.state.SelectedLine;
        const int width = Records::widthFieldOf(c.kind);
        EXPECT_EQ(s.state.DATA.line(at + width), c.width) << Records::wordOf(c.kind).toStdString();
        EXPECT_EQ(s.state.DATA.line(at + width + 1), c.height) << Records::wordOf(c.kind).toStdString();
        EXPECT_EQ(s.state.DATA.lines().mid(at, 3), (QStringList{Records::wordOf(c.kind), "3", "4"}));
        EXPECT_EQ(s.undoStack.count(), 1);
    }
    // A kind without a size takes none: the tile's item number stays.
    Session s;
    Picker picker;
    ASSERT_TRUE(ControlCommands::insertControl(s.state, picker, ElementKind::Tilepic, "0", "0", QSize(50, 50)));
    EXPECT_EQ(s.state.DATA.lines().mid(s.state.SelectedLine, 5), (QStringList{"tilepic", "0", "0", "3821", "0"}));
}

TEST(ControlCommands, ArtPickersAndOptionFieldsByKind)
{
    using Mode = ElementDialogs::PickerMode;
    const struct { ElementKind kind; std::optional<Mode> mode; const char *folder; int options; } cases[] = {
        {ElementKind::Checkbox, Mode::Button, "DATA/buttons/", 4},    // checked flag, past the art
        {ElementKind::Gumppictiled, Mode::Picture, "DATA/", 3},        // width
        {ElementKind::Gumppichue, Mode::Picture, "DATA/", 4},          // hue
        {ElementKind::Htmlgump, std::nullopt, "", 7},                  // its text
        {ElementKind::Tilepic, std::nullopt, "", 3},                   // item
        {ElementKind::Gumppic, std::nullopt, "", 0},                   // classic kinds have windows
    };
    for (const auto &c : cases) {
        const auto picker = ControlCommands::artPickerOf(c.kind);
        const std::string word = Records::wordOf(c.kind).toStdString();
        ASSERT_EQ(picker.has_value(), c.mode.has_value()) << word;
        if (picker) {
            EXPECT_EQ(picker->mode, *c.mode) << word;
            EXPECT_EQ(picker->folder, c.folder) << word;
        }
        EXPECT_EQ(ControlCommands::optionsFieldOf(c.kind), c.options) << word;
    }
}
