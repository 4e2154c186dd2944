#include "windows/widgets/PropertyPanel.h"
#include "document/StoredStandIn.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>

using ControlCommands::FieldDefinition;

PropertyPanel::PropertyPanel(EditorState &state, QWidget *parent)
    : QWidget(parent), m_state(state), m_form(new QFormLayout(this))
{
    setObjectName(QStringLiteral("PropertyPanel"));
}

QWidget *PropertyPanel::editorOf(int field) const
{
    return field >= 1 && field <= m_editors.size() ? m_editors[field - 1] : nullptr;
}

void PropertyPanel::rebuild(ElementKind kind)
{
    while (m_form->rowCount() > 0)
        m_form->removeRow(0);
    m_editors.clear();
    m_kind = kind;
    const QList<FieldDefinition> &fields = ControlCommands::fieldsOf(kind);
    if (fields.isEmpty())
        return;
    auto *title = new QLabel(Records::wordOf(kind), this);
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    m_form->addRow(title);
    for (qsizetype k = 0; k < fields.size(); ++k) {
        const int field = int(k) + 1;
        if (fields[k].type == FieldDefinition::Type::Flag) {
            auto *box = new QCheckBox(this);
            connect(box, &QCheckBox::toggled, this, [this, field](bool on) {
                write(field, on ? QStringLiteral("1") : QStringLiteral("0"), nullptr);
            });
            m_editors << box;
            m_form->addRow(fields[k].name, box);
        } else {
            auto *line = new QLineEdit(this);
            connect(line, &QLineEdit::textEdited, this, [this, field, line](const QString &text) { write(field, text, line); });
            m_editors << line;
            m_form->addRow(fields[k].name, line);
        }
    }
}

bool PropertyPanel::showSelection()
{
    const int at = m_state.SelectedLine;
    const ElementKind kind = at > 0 && at < m_state.DATA.size() ? Records::kindOfWord(m_state.DATA.line(at))
                                                                  : ElementKind::None;
    if (kind != m_kind)
        rebuild(kind);
    m_filling = true;
    for (qsizetype k = 0; k < m_editors.size(); ++k) {
        const int line = at + int(k) + 1;
        QString value = line < m_state.DATA.size() ? m_state.DATA.line(line) : QString();
        // A stored stand-in is set beside the expression in the Modify panel.
        if (Records::numberFieldsOf(kind).contains(int(k) + 1))
            value = StoredStandIn::split(value).written;
        if (auto *box = qobject_cast<QCheckBox *>(m_editors[k]))
            box->setChecked(value.trimmed() != u"0" && !value.trimmed().isEmpty());
        else if (auto *edit = qobject_cast<QLineEdit *>(m_editors[k]); edit && !edit->hasFocus()) {
            edit->setText(value);
            edit->setStyleSheet(QString());
        }
    }
    m_filling = false;
    return !m_editors.isEmpty();
}

void PropertyPanel::write(int field, const QString &text, QLineEdit *line)
{
    if (m_filling)
        return;
    const QString before = field + m_state.SelectedLine < m_state.DATA.size()
                               ? m_state.DATA.line(m_state.SelectedLine + field) : QString();
    const bool written = ControlCommands::writeControlField(m_state, field, text);
    const bool unchanged = before == text || StoredStandIn::split(before).written == text;
    if (line)
        line->setStyleSheet(written || unchanged ? QString() : QStringLiteral("QLineEdit { color: red; }"));
    if (written)
        emit edited();
}
