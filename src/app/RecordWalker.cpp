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

} // namespace Records

bool RecordWalker::next()
{
    if (m_closePending) {
        m_page = QStringLiteral("-1");
        m_closePending = false;
    }
    if (m_next >= m_lines.size())
        return false;
    m_line = m_next;
    const QString &text = m_lines[m_line];
    m_kind = ElementKind::None;
    if (text == Records::BeginPage) {
        m_item = Item::PageOpen;
        m_length = 2;
        m_page = m_line + 1 < m_lines.size() ? m_lines[m_line + 1] : QString();
    } else if (text == Records::EndPage) {
        m_item = Item::PageClose;
        m_length = 1;
        m_closePending = true;
    } else if (const ElementKind kind = Records::kindOfWord(text); kind != ElementKind::None) {
        m_item = Item::Element;
        m_kind = kind;
        m_length = Records::lengthOf(kind);
    } else if (text == Records::Location) {
        m_item = Item::Location;
        m_length = Records::LocationLength;
    } else if (text == Records::Misc) {
        m_item = Item::Misc;
        m_length = Records::MiscLength;
    } else {
        m_item = Item::Other;
        m_length = 1;
    }
    m_next = m_line + m_length;
    return true;
}

QString RecordWalker::field(int k) const
{
    const int i = m_line + k;
    return i >= 0 && i < m_lines.size() ? m_lines[i] : QString();
}
