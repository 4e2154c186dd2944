#include "app/RecordWalker.h"

namespace Records {

ElementKind kindOfWord(const QString &line)
{
    if (line == u"gumppic") return ElementKind::Gumppic;
    if (line == u"resizepic") return ElementKind::Resizepic;
    if (line == u"text") return ElementKind::Text;
    if (line == u"button") return ElementKind::Button;
    return ElementKind::None;
}

QString wordOf(ElementKind kind)
{
    switch (kind) {
    case ElementKind::Gumppic: return QStringLiteral("gumppic");
    case ElementKind::Resizepic: return QStringLiteral("resizepic");
    case ElementKind::Text: return QStringLiteral("text");
    case ElementKind::Button: return QStringLiteral("button");
    case ElementKind::None: break;
    }
    return QString();
}

int lengthOf(ElementKind kind)
{
    switch (kind) {
    case ElementKind::Gumppic: return 4;
    case ElementKind::Resizepic: return 6;
    case ElementKind::Text: return 5;
    case ElementKind::Button: return 8;
    case ElementKind::None: break;
    }
    return 0;
}

bool isStructureLine(const QString &line)
{
    return line == BeginPage || line == EndPage || line == Location || line == Misc
           || kindOfWord(line) != ElementKind::None;
}

} // namespace Records

namespace {

struct Measure
{
    RecordWalker::Item item = RecordWalker::Item::Other;
    ElementKind kind = ElementKind::None;
    int length = 1;
    bool cutShort = false;
};

// The fields of an item that hold numbers, as offsets from its first line.
QList<int> numberFields(RecordWalker::Item item, ElementKind kind)
{
    using Item = RecordWalker::Item;
    switch (item) {
    case Item::PageOpen: return {1};
    case Item::Location:
    case Item::Misc: return {1, 2};
    case Item::Element:
        switch (kind) {
        case ElementKind::Resizepic: return {1, 2, 4, 5};
        case ElementKind::Button: return {1, 2, 4, 5, 6};
        case ElementKind::Text: return {1, 2, 3};
        default: return {1, 2};
        }
    default: return {};
    }
}

Measure measure(const QStringList &lines, int at)
{
    using Item = RecordWalker::Item;
    Measure m;
    const QString &text = lines[at];
    if (text == Records::BeginPage) {
        m.item = Item::PageOpen;
        m.length = 2;
    } else if (text == Records::EndPage) {
        m.item = Item::PageClose;
    } else if (const ElementKind kind = Records::kindOfWord(text); kind != ElementKind::None) {
        m.item = Item::Element;
        m.kind = kind;
        m.length = Records::lengthOf(kind);
    } else if (text == Records::Location) {
        m.item = Item::Location;
        m.length = Records::LocationLength;
    } else if (text == Records::Misc) {
        m.item = Item::Misc;
        m.length = Records::MiscLength;
    }
    for (const int k : numberFields(m.item, m.kind)) {
        if (at + k >= lines.size())
            break;
        if (Records::isStructureLine(lines[at + k])) {
            m.length = k;
            m.cutShort = true;
            break;
        }
    }
    return m;
}

} // namespace

int RecordWalker::lengthAt(const QStringList &lines, int line)
{
    return line >= 0 && line < lines.size() ? measure(lines, line).length : 0;
}

bool RecordWalker::next()
{
    if (m_closePending) {
        m_page = QStringLiteral("-1");
        m_closePending = false;
    }
    if (m_next >= m_lines.size())
        return false;
    m_line = m_next;
    const Measure m = measure(m_lines, m_line);
    m_item = m.item;
    m_kind = m.kind;
    m_length = m.length;
    m_cutShort = m.cutShort;
    if (m_item == Item::PageOpen)
        m_page = field(1); // empty for a bracket cut short before its page
    else if (m_item == Item::PageClose)
        m_closePending = true;
    m_next = m_line + m_length;
    return true;
}

QString RecordWalker::field(int k) const
{
    if (m_cutShort && k >= m_length)
        return QString();
    const int i = m_line + k;
    return i >= 0 && i < m_lines.size() ? m_lines[i] : QString();
}
