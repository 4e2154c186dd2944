#include "app/RecordWalker.h"

namespace {

struct KindInfo
{
    ElementKind kind;
    const char16_t *word;
    int length;
    QList<int> numberFields; // offsets of the fields that hold numbers
};

// One row per kind: its word, its length and which of its fields are numbers.
const QList<KindInfo> &kindTable()
{
    static const QList<KindInfo> table{
        {ElementKind::Gumppic, u"gumppic", 4, {1, 2}},
        {ElementKind::Resizepic, u"resizepic", 6, {1, 2, 4, 5}},
        {ElementKind::Text, u"text", 5, {1, 2}},
        {ElementKind::Button, u"button", 8, {1, 2, 4, 5, 6}},
        {ElementKind::Htmlgump, u"htmlgump", 8, {1, 2, 3, 4, 5, 6}},
        {ElementKind::Croppedtext, u"croppedtext", 7, {1, 2, 3, 4, 5}},
        {ElementKind::Textentry, u"textentry", 9, {1, 2, 3, 4, 5, 6, 7}},
        {ElementKind::Checkbox, u"checkbox", 6, {1, 2, 4, 5}},
        {ElementKind::Radio, u"radio", 7, {1, 2, 4, 5, 6}},
        {ElementKind::Gumppictiled, u"gumppictiled", 6, {1, 2, 3, 4}},
        {ElementKind::Tilepic, u"tilepic", 5, {1, 2, 3, 4}},
        {ElementKind::Checkertrans, u"checkertrans", 5, {1, 2, 3, 4}},
        {ElementKind::Xmfhtmlgump, u"xmfhtmlgump", 9, {1, 2, 3, 4, 5, 6, 7, 8}},
        {ElementKind::Gumppichue, u"gumppichue", 5, {1, 2, 4}},
    };
    return table;
}

const KindInfo *infoOf(ElementKind kind)
{
    for (const KindInfo &info : kindTable())
        if (info.kind == kind)
            return &info;
    return nullptr;
}

} // namespace

namespace Records {

ElementKind kindOfWord(const QString &line)
{
    // Kind words are short; a longer line is never one.
    if (line.size() > 12 || line.isEmpty())
        return ElementKind::None;
    for (const KindInfo &info : kindTable())
        if (line == info.word)
            return info.kind;
    return ElementKind::None;
}

QString wordOf(ElementKind kind)
{
    const KindInfo *info = infoOf(kind);
    return info ? QString::fromUtf16(info->word) : QString();
}

int lengthOf(ElementKind kind)
{
    const KindInfo *info = infoOf(kind);
    return info ? info->length : 0;
}

const QList<ElementKind> &allKinds()
{
    static const QList<ElementKind> kinds = [] {
        QList<ElementKind> all;
        for (const KindInfo &info : kindTable())
            all.append(info.kind);
        return all;
    }();
    return kinds;
}

bool isClassicKind(ElementKind kind)
{
    return kind == ElementKind::Gumppic || kind == ElementKind::Resizepic || kind == ElementKind::Text
           || kind == ElementKind::Button;
}

int widthFieldOf(ElementKind kind)
{
    switch (kind) {
    case ElementKind::Resizepic: return 4;
    case ElementKind::Htmlgump:
    case ElementKind::Croppedtext:
    case ElementKind::Textentry:
    case ElementKind::Gumppictiled:
    case ElementKind::Checkertrans:
    case ElementKind::Xmfhtmlgump: return 3;
    default: return -1;
    }
}


int artFieldOf(ElementKind kind)
{
    switch (kind) {
    case ElementKind::Gumppic:
    case ElementKind::Resizepic:
    case ElementKind::Button:
    case ElementKind::Checkbox:
    case ElementKind::Radio:
    case ElementKind::Gumppichue: return 3;
    case ElementKind::Gumppictiled: return 5;
    default: return -1;
    }
}


int textFieldOf(ElementKind kind)
{
    switch (kind) {
    case ElementKind::Text: return 4;
    case ElementKind::Htmlgump: return 7;
    case ElementKind::Croppedtext: return 6;
    case ElementKind::Textentry: return 8;
    default: return -1;
    }
}

QList<int> numberFieldsOf(ElementKind kind)
{
    const KindInfo *info = infoOf(kind);
    return info ? info->numberFields : QList<int>{};
}

bool isStructureLine(const QString &line)
{
    return line == BeginPage || line == EndPage || line == Location || line == Misc || line == CloseBlock
           || line == NoDispose || kindOfWord(line) != ElementKind::None;
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
    case Item::Element: {
        const KindInfo *info = infoOf(kind);
        return info ? info->numberFields : QList<int>{};
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
    } else if (text == Records::CloseBlock) {
        m.item = Item::CloseBlock;
        m.length = Records::CloseBlockLength;
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
