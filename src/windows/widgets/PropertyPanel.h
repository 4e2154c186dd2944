#pragma once

#include "document/ControlCommands.h"

#include <QWidget>

class QCheckBox;
class QFormLayout;
class QLineEdit;

// The fields of the selected element of a newer kind, one row per field of
// its table: a check box for a flag, a line for the rest. Each edit goes
// through ControlCommands::writeControlField (one undo step, keystrokes into
// one field merged); a line that holds no number where one is needed turns
// red and writes nothing.
class PropertyPanel : public QWidget
{
    Q_OBJECT

public:
    explicit PropertyPanel(EditorState &state, QWidget *parent = nullptr);

    // Shows the selected element's fields (rebuilt when the kind changes);
    // false, and the panel empty, when the selection is of no newer kind.
    bool showSelection();

    ElementKind shownKind() const { return m_kind; }
    // The editor of field k (1 … length - 1), for tests.
    QWidget *editorOf(int field) const;

signals:
    void edited();

private:
    void rebuild(ElementKind kind);
    void write(int field, const QString &text, QLineEdit *line);

    EditorState &m_state;
    QFormLayout *m_form = nullptr;
    ElementKind m_kind = ElementKind::None;
    QList<QWidget *> m_editors;
    bool m_filling = false;
};
