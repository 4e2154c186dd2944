#include "document/FieldValue.h"
#include "document/StoredStandIn.h"
#include "platform/NumberText.h"
#include "platform/SphereNumber.h"

#include <QList>

#include <limits>

namespace {

// Arithmetic of numbers: + - * / % and brackets, no variables. Any other
// letter, a division by zero or a result past 32 bits gives nothing.
class Arithmetic
{
public:
    explicit Arithmetic(QStringView text) : m_text(text) {}

    std::optional<int> value()
    {
        const std::optional<qint64> v = sum(0);
        skipBlanks();
        if (!v || m_at != m_text.size() || *v < std::numeric_limits<int>::min()
            || *v > std::numeric_limits<int>::max())
            return std::nullopt;
        return int(*v);
    }

private:
    static constexpr int MaxDepth = 64; // brackets nested deeper are refused, not recursed into

    void skipBlanks()
    {
        while (m_at < m_text.size() && m_text[m_at].isSpace())
            ++m_at;
    }

    bool take(QChar c)
    {
        skipBlanks();
        if (m_at < m_text.size() && m_text[m_at] == c) {
            ++m_at;
            return true;
        }
        return false;
    }

    static std::optional<qint64> bounded(qint64 v)
    {
        constexpr qint64 Limit = qint64(1) << 40;
        return v > Limit || v < -Limit ? std::nullopt : std::optional<qint64>(v);
    }

    std::optional<qint64> sum(int depth)
    {
        std::optional<qint64> left = product(depth);
        while (left) {
            if (take(u'+')) {
                const auto right = product(depth);
                left = right ? bounded(*left + *right) : std::nullopt;
            } else if (take(u'-')) {
                const auto right = product(depth);
                left = right ? bounded(*left - *right) : std::nullopt;
            } else {
                break;
            }
        }
        return left;
    }

    std::optional<qint64> product(int depth)
    {
        std::optional<qint64> left = unary(depth);
        while (left) {
            QChar op;
            if (take(u'*'))
                op = u'*';
            else if (take(u'/'))
                op = u'/';
            else if (take(u'%'))
                op = u'%';
            else
                break;
            const auto right = unary(depth);
            if (!right || (op != u'*' && *right == 0))
                return std::nullopt;
            left = op == u'*' ? bounded(*left * *right) : op == u'/' ? *left / *right : *left % *right;
        }
        return left;
    }

    std::optional<qint64> unary(int depth)
    {
        if (depth > MaxDepth)
            return std::nullopt;
        if (take(u'-')) {
            const auto v = unary(depth + 1);
            return v ? std::optional<qint64>(-*v) : std::nullopt;
        }
        if (take(u'+'))
            return unary(depth + 1);
        if (take(u'(')) {
            const auto v = sum(depth + 1);
            return v && take(u')') ? v : std::nullopt;
        }
        skipBlanks();
        const qsizetype start = m_at;
        while (m_at < m_text.size() && (m_text[m_at].isDigit() || isHexLetter(m_text[m_at])))
            ++m_at;
        if (m_at == start || !m_text[start].isDigit())
            return std::nullopt;
        const auto n = SphereNumber::tryParse(m_text.mid(start, m_at - start));
        return n ? std::optional<qint64>(*n) : std::nullopt;
    }

    static bool isHexLetter(QChar c)
    {
        return (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
    }

    QStringView m_text;
    qsizetype m_at = 0;
};

// "<eval x>", "<x>" or x: the arithmetic inside, when it holds no further "<".
QStringView innerArithmetic(QStringView text)
{
    text = text.trimmed();
    if (text.startsWith(u'<') && text.endsWith(u'>')) {
        text = text.mid(1, text.size() - 2).trimmed();
        for (const QStringView word : {QStringView(u"eval"), QStringView(u"floatval"), QStringView(u"qval")}) {
            if (text.size() > word.size() && text.startsWith(word, Qt::CaseInsensitive)
                && (text[word.size()].isSpace() || text[word.size()] == u'(')) {
                text = text.mid(word.size()).trimmed();
                break;
            }
        }
    }
    return text;
}

bool isRelative(QStringView text)
{
    return text == u"-" || text.startsWith(u'+') || text.startsWith(u'*');
}

} // namespace

namespace FieldValue {

Form formOf(QStringView text)
{
    if (text.contains(u'<'))
        return Form::Expression;
    if (isRelative(text))
        return text.size() > 1 && !SphereNumber::tryParse(text.mid(1)) ? Form::Invalid : Form::Relative;
    return NumberText::tryParse(text.toString()) ? Form::Number : Form::Invalid;
}

bool isComputed(QStringView text)
{
    if (text.contains(u'<'))
        return true;
    // A check runs this on every number field: a plain one is known by its first character.
    return isRelative(text) && (text.size() == 1 || SphereNumber::tryParse(text.mid(1)).has_value());
}

std::optional<int> evaluate(QStringView text)
{
    if (isRelative(text))
        return std::nullopt;
    if (const auto n = NumberText::tryParse(text.toString()))
        return n;
    const QStringView inner = innerArithmetic(text);
    if (inner.isEmpty() || inner.contains(u'<') || inner.contains(u'>'))
        return std::nullopt;
    return Arithmetic(inner).value();
}

int standIn(QStringView text, int origin)
{
    return place(text, origin);
}

int place(QStringView text, int &origin)
{
    // What the designer computes itself comes first; a value the user stored
    // stands in for what it cannot.
    const StoredStandIn::Parts parts = StoredStandIn::split(text);
    if (parts.value)
        return evaluate(parts.written).value_or(*parts.value);
    if (text == u"-")
        return origin;
    if (text.startsWith(u'*')) {
        origin += SphereNumber::tryParse(text.mid(1)).value_or(0);
        return origin;
    }
    if (text.startsWith(u'+'))
        return origin + SphereNumber::tryParse(text.mid(1)).value_or(0);
    const int value = evaluate(text).value_or(0);
    // The server reads "-n" from the origin too.
    return text.startsWith(u'-') ? origin + value : value;
}

std::optional<std::pair<int, int>> originSetBy(QStringView scriptLine)
{
    const QStringView line = scriptLine.trimmed();
    constexpr QStringView Word = u"dorigin";
    if (line.size() <= Word.size() || !line.startsWith(Word, Qt::CaseInsensitive) || !line[Word.size()].isSpace())
        return std::nullopt;
    const QList<QStringView> values = line.mid(Word.size()).split(u' ', Qt::SkipEmptyParts);
    return std::pair{values.size() > 0 ? standIn(values[0]) : 0, values.size() > 1 ? standIn(values[1]) : 0};
}

} // namespace FieldValue
