#pragma once

#include "document/DocumentHistory.h"


// One step class per kind of change to the document. They differ in the
// name the Edit menu shows and in which later steps they take in.
namespace UndoSteps {

// Ids for QUndoCommand::id(); steps without one never merge.
enum MergeId { FieldEditId = 1, NudgeId = 2 };

class AddElement : public DocumentStep
{
public:
    AddElement(EditorState &s, StepRecord r, const QString &kindWord)
        : DocumentStep(s, std::move(r), QStringLiteral("Add %1").arg(kindWord)) {}
};

// Remove and Cut.
class RemoveElements : public DocumentStep
{
public:
    RemoveElements(EditorState &s, StepRecord r, const QString &name = QStringLiteral("Remove"))
        : DocumentStep(s, std::move(r), name) {}
};

// Clone and Duplicate.
class CloneElements : public DocumentStep
{
public:
    CloneElements(EditorState &s, StepRecord r, const QString &name = QStringLiteral("Clone"))
        : DocumentStep(s, std::move(r), name) {}
};

class PasteElements : public DocumentStep
{
public:
    PasteElements(EditorState &s, StepRecord r) : DocumentStep(s, std::move(r), QStringLiteral("Paste")) {}
};

class ReorderElements : public DocumentStep
{
public:
    ReorderElements(EditorState &s, StepRecord r, bool toFront)
        : DocumentStep(s, std::move(r), toFront ? QStringLiteral("Send to Front") : QStringLiteral("Send to Back")) {}
};

// A field typed into a spin: the keystrokes into the same field of the same
// element are one step.
class FieldEdit : public DocumentStep
{
public:
    FieldEdit(EditorState &s, StepRecord r, int line, int field, const QString &fieldName)
        : DocumentStep(s, std::move(r), QStringLiteral("Change %1").arg(fieldName)), m_line(line), m_field(field) {}

    int id() const override { return FieldEditId; }
    bool mergeWith(const QUndoCommand *other) override
    {
        const auto *later = static_cast<const FieldEdit *>(other);
        if (later->m_line != m_line || later->m_field != m_field)
            return false;
        absorb(*later);
        return true;
    }

private:
    int m_line;
    int m_field;
};

// The stand-in the canvas draws a computed field at, set or cleared; never
// merged with the field's own edits.
class SetStandIn : public DocumentStep
{
public:
    SetStandIn(EditorState &s, StepRecord r, const QString &fieldName, bool set)
        : DocumentStep(s, std::move(r), (set ? QStringLiteral("Set Stand-in of %1") : QStringLiteral("Clear Stand-in of %1"))
                                            .arg(fieldName)) {}
};

// Arrow-key moves of the same selection are one step.
class Nudge : public DocumentStep
{
public:
    Nudge(EditorState &s, StepRecord r, QList<int> moved)
        : DocumentStep(s, std::move(r), QStringLiteral("Nudge")), m_moved(std::move(moved)) {}

    int id() const override { return NudgeId; }
    bool mergeWith(const QUndoCommand *other) override
    {
        const auto *later = static_cast<const Nudge *>(other);
        if (later->m_moved != m_moved)
            return false;
        absorb(*later);
        return true;
    }

private:
    QList<int> m_moved;
};

// A drag from press to release.
class Drag : public DocumentStep
{
public:
    Drag(EditorState &s, StepRecord r) : DocumentStep(s, std::move(r), QStringLiteral("Move")) {}
};

class Resize : public DocumentStep
{
public:
    Resize(EditorState &s, StepRecord r) : DocumentStep(s, std::move(r), QStringLiteral("Resize")) {}
};

class CreatePage : public DocumentStep
{
public:
    CreatePage(EditorState &s, StepRecord r, const QString &page)
        : DocumentStep(s, std::move(r), QStringLiteral("Create Page %1").arg(page)) {}
};

class SetLocation : public DocumentStep
{
public:
    SetLocation(EditorState &s, StepRecord r) : DocumentStep(s, std::move(r), QStringLiteral("Set Location")) {}
};

class SetWindowFlags : public DocumentStep
{
public:
    SetWindowFlags(EditorState &s, StepRecord r) : DocumentStep(s, std::move(r), QStringLiteral("Set Window Flags")) {}
};

class SetCloseBlock : public DocumentStep
{
public:
    SetCloseBlock(EditorState &s, StepRecord r) : DocumentStep(s, std::move(r), QStringLiteral("Set Close Block")) {}
};

// Import: the whole document at once, and the design's file name with it
// (no other step changes the file name, so saving under a new name is never
// undone by undoing an edit).
class ReplaceDocument : public DocumentStep
{
public:
    static constexpr bool RecordedUnchanged = true;
    ReplaceDocument(EditorState &s, StepRecord r, const QString &name, QString fileBefore)
        : DocumentStep(s, std::move(r), name), m_fileBefore(std::move(fileBefore)), m_fileAfter(s.FileName) {}

    void undo() override
    {
        DocumentStep::undo();
        state().FileName = m_fileBefore;
    }
    void redo() override
    {
        DocumentStep::redo();
        state().FileName = m_fileAfter;
    }

private:
    QString m_fileBefore;
    QString m_fileAfter;
};

// "Change Image" and "Options" of the selected element.
class ChangeImage : public DocumentStep
{
public:
    ChangeImage(EditorState &s, StepRecord r) : DocumentStep(s, std::move(r), QStringLiteral("Change Image")) {}
};

// Buttons that kept their gump pairs pointed at art the library gained.
class UseLibraryArt : public DocumentStep
{
public:
    UseLibraryArt(EditorState &s, StepRecord r) : DocumentStep(s, std::move(r), QStringLiteral("Use Library Art")) {}
};

class EditOptions : public DocumentStep
{
public:
    EditOptions(EditorState &s, StepRecord r) : DocumentStep(s, std::move(r), QStringLiteral("Change Options")) {}
};

// Alignment, distribution and same size.
class Arrange : public DocumentStep
{
public:
    Arrange(EditorState &s, StepRecord r, const QString &name) : DocumentStep(s, std::move(r), name) {}
};

} // namespace UndoSteps
