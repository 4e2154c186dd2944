#include "document/ControlCommands.h"
#include "document/DocumentHistory.h"
#include "document/FieldValue.h"
#include "document/LineBreaks.h"
#include "document/StoredStandIn.h"
#include "document/UndoSteps.h"
#include "platform/ArtFolders.h"
#include "platform/NumberText.h"

#include <QHash>

namespace ControlCommands {

namespace {

using Type = FieldDefinition::Type;

const FieldDefinition X{QStringLiteral("X"), Type::Number, QString()};
const FieldDefinition Y{QStringLiteral("Y"), Type::Number, QString()};
FieldDefinition number(const char *name, const char *initial) { return {QString::fromLatin1(name), Type::Number, QString::fromLatin1(initial)}; }
FieldDefinition flag(const char *name) { return {QString::fromLatin1(name), Type::Flag, QStringLiteral("0")}; }
FieldDefinition text(const char *name, const char *initial) { return {QString::fromLatin1(name), Type::Text, QString::fromLatin1(initial)}; }
const FieldDefinition Art{QStringLiteral("Art file"), Type::ArtFile, QString()};

const QHash<ElementKind, QList<FieldDefinition>> &tables()
{
    static const QHash<ElementKind, QList<FieldDefinition>> all = {
        {ElementKind::Htmlgump, {X, Y, number("Width", "200"), number("Height", "100"), flag("Background"),
                                 flag("Scrollbar"), text("Text", "Text")}},
        {ElementKind::Croppedtext, {X, Y, number("Width", "100"), number("Height", "20"), number("Hue", "0"),
                                    text("Text", "Text")}},
        {ElementKind::Textentry, {X, Y, number("Width", "100"), number("Height", "20"), number("Hue", "0"),
                                  number("Entry id", "1"), number("Character limit", "0"), text("Initial text", "")}},
        {ElementKind::Checkbox, {X, Y, Art, flag("Checked"), number("Switch id", "1")}},
        {ElementKind::Radio, {X, Y, Art, flag("Checked"), number("Switch id", "1"), number("Group", "0")}},
        {ElementKind::Gumppictiled, {X, Y, number("Width", "100"), number("Height", "100"), Art}},
        {ElementKind::Tilepic, {X, Y, number("Item", "3821"), number("Hue", "0")}},
        {ElementKind::Checkertrans, {X, Y, number("Width", "100"), number("Height", "100")}},
        {ElementKind::Xmfhtmlgump, {X, Y, number("Width", "200"), number("Height", "100"), number("Cliloc", "1000000"),
                                    flag("Background"), flag("Scrollbar"), number("Colour", "0")}},
        {ElementKind::Gumppichue, {X, Y, Art, number("Hue", "0")}},
        // A script line is edited as its whole text.
        {ElementKind::Script, {text("Line", "")}},
    };
    return all;
}

ElementKind selectedKind(const EditorState &state)
{
    if (state.SelectedLine <= 0 || state.SelectedLine >= state.DATA.size())
        return ElementKind::None;
    return Records::kindOfWord(state.DATA.line(state.SelectedLine));
}

// The record appended to the page ends just before the page's last closing line.
void selectAppended(EditorState &state, qsizetype recordLength)
{
    const QList<int> ends = state.DATA.pageEnds(state.Page);
    if (!ends.isEmpty())
        state.SelectedLine = ends.last() - int(recordLength);
}

} // namespace

const QList<FieldDefinition> &fieldsOf(ElementKind kind)
{
    static const QList<FieldDefinition> none;
    const auto found = tables().constFind(kind);
    return found == tables().cend() ? none : *found;
}

QStringList newRecord(ElementKind kind, const QString &x, const QString &y)
{
    QStringList record{Records::wordOf(kind), x, y};
    const QList<FieldDefinition> &fields = fieldsOf(kind);
    for (qsizetype k = 2; k < fields.size(); ++k)
        record << fields[k].initial;
    return record;
}

std::optional<ArtPicker> artPickerOf(ElementKind kind)
{
    if (fieldsOf(kind).isEmpty() || Records::artFieldOf(kind) < 0)
        return std::nullopt;
    if (kind == ElementKind::Checkbox || kind == ElementKind::Radio)
        return ArtPicker{ElementDialogs::PickerMode::Button, ArtFolders::Buttons};
    return ArtPicker{ElementDialogs::PickerMode::Picture, ArtFolders::Pictures};
}

int optionsFieldOf(ElementKind kind)
{
    const QList<FieldDefinition> &fields = fieldsOf(kind);
    if (fields.isEmpty())
        return 0;
    if (const int text = Records::textFieldOf(kind); text > 0)
        return text;
    for (qsizetype k = 2; k < fields.size(); ++k)
        if (fields[k].type != Type::ArtFile)
            return int(k) + 1;
    return 1;
}

bool insertControl(EditorState &state, ElementDialogs &dialogs, ElementKind kind, const QString &x, const QString &y,
                   std::optional<QSize> size)
{
    if (fieldsOf(kind).isEmpty() || Records::isScript(kind))
        return false;
    return recordStep<UndoSteps::AddElement>(state, [&] {
        state.PickerCancelled = false;
        state.Dragging = false;
        QStringList record = newRecord(kind, x, y);
        if (const int width = Records::widthFieldOf(kind); size && width > 0) {
            if (size->width() > 0)
                record[width] = QString::number(size->width());
            if (size->height() > 0)
                record[width + 1] = QString::number(size->height());
        }
        if (const std::optional<ArtPicker> picker = artPickerOf(kind)) {
            const auto file = dialogs.pickImage(state.AppDir + picker->folder, picker->mode);
            state.PickerCancelled = !file.has_value();
            if (!file)
                return false;
            record[Records::artFieldOf(kind)] = *file;
        }
        ElementCommands::insertIntoPage(state, record);
        selectAppended(state, record.size());
        return true;
    }, Records::wordOf(kind));
}

bool writeControlField(EditorState &state, int field, const QString &text)
{
    const ElementKind kind = selectedKind(state);
    const QList<FieldDefinition> &fields = fieldsOf(kind);
    if (field < 1 || field > fields.size())
        return false;
    const FieldDefinition &entry = fields[field - 1];
    const bool numeric = entry.type == Type::Number || entry.type == Type::Flag;
    // A number field may also hold what the server computes (a relative place, an expression).
    const bool computable = entry.type == Type::Number && Records::numberFieldsOf(kind).contains(field);
    if (numeric && !NumberText::tryParse(text) && !(computable && FieldValue::isComputed(text)))
        return false;
    if (LineBreaks::holds(text))
        return false;
    const int line = state.SelectedLine + field;
    if (line >= state.DATA.size())
        return false;
    // The panel shows an expression without its stand-in: editing it keeps the stand-in.
    const QString written = computable && !StoredStandIn::split(text).value
                                ? StoredStandIn::join(text, StoredStandIn::split(state.DATA.line(line)).value)
                                : text;
    if (state.DATA.line(line) == written)
        return false;
    return recordStep<UndoSteps::FieldEdit>(state, [&] {
        state.DATA.setLine(line, written);
        return true;
    }, int(state.SelectedLine), field, entry.name);
}

} // namespace ControlCommands
