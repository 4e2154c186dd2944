#include "windows/widgets/SpinEdit.h"
#include "platform/NumberText.h"

#include <QLineEdit>

#include <algorithm>
#include <climits>

SpinEdit::SpinEdit(QWidget *parent) : QAbstractSpinBox(parent)
{
    setKeyboardTracking(true);
    setCorrectionMode(QAbstractSpinBox::CorrectToPreviousValue);
    lineEdit()->setText(QStringLiteral("0"));
    connect(lineEdit(), &QLineEdit::textChanged, this, [this](const QString &text) {
        if (m_commitOnFinish && lineEdit()->isModified()) {
            m_typedPending = true;   // still being typed
            return;
        }
        if (NumberText::tryParse(text))
            m_lastNumber = text;
        emit changed();
    });
    connect(this, &QAbstractSpinBox::editingFinished, this, [this] {
        // The spin box may have set the text again before this: the modified mark is gone by then.
        if (!m_commitOnFinish || !m_typedPending)
            return;
        m_typedPending = false;
        lineEdit()->setModified(false);
        if (NumberText::tryParse(text()))
            m_lastNumber = text();
        emit changed();
    });
}

void SpinEdit::settleZeroBelowOne()
{
    if (NumberText::tryParse(text()))
        setText(NumberText::zeroBelowOne(text()));
}

void SpinEdit::restoreLastNumber()
{
    if (!NumberText::tryParse(text()))
        setText(m_lastNumber);
}

QString SpinEdit::text() const
{
    return lineEdit()->text();
}

void SpinEdit::setText(const QString &text)
{
    m_typedPending = false;
    if (lineEdit()->text() != text)
        lineEdit()->setText(text);
}

int SpinEdit::value() const
{
    return NumberText::parse(text());
}

void SpinEdit::setLimits(int minimum, int maximum)
{
    m_minimum = minimum;
    m_maximum = maximum;
}

void SpinEdit::setTypingAllowed(bool allowed)
{
    lineEdit()->setReadOnly(!allowed);
}

void SpinEdit::stepBy(int steps)
{
    if (m_steppable && !m_steppable(text()))
        return;
    qint64 next = qint64(NumberText::parseOr(text(), m_minimum)) + qint64(steps) * m_increment;
    if (m_minimum != 0 || m_maximum != 0)
        next = std::clamp<qint64>(next, m_minimum, m_maximum);
    setText(QString::number(std::clamp<qint64>(next, INT_MIN, INT_MAX)));
}

QValidator::State SpinEdit::validate(QString &, int &) const
{
    return QValidator::Acceptable;
}

QAbstractSpinBox::StepEnabled SpinEdit::stepEnabled() const
{
    return StepUpEnabled | StepDownEnabled;
}

QSize SpinEdit::sizeHint() const
{
    QSize hint = QAbstractSpinBox::sizeHint();
    hint.setWidth(std::max(hint.width(), fontMetrics().horizontalAdvance(QStringLiteral("00000")) + 32));
    return hint;
}
