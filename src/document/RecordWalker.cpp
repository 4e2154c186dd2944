#include "document/RecordWalker.h"
#include "document/FieldValue.h"

#include <array>
#include <span>

namespace {

struct KindInfo
{
    ElementKind kind;
    QString word; // static data: copies allocate nothing
    QString name; // as lists and menus show it: the word with a capital
    Records::ShownWith shownWith;
    int length;
    // Offsets from the kind word; -1 for a kind without one.
    int widthField; // its height follows
    int artField;
    int textField;
    std::span<const int> numberFields; // offsets of the fields that hold numbers
    QList<int> numberFieldList;        // the same, for callers that want a list
};

constexpr int GumppicNumbers[] = {1, 2};
constexpr int ResizepicNumbers[] = {1, 2, 4, 5};
constexpr int TextNumbers[] = {1, 2};
constexpr int ButtonNumbers[] = {1, 2, 4, 5, 6};
constexpr int HtmlgumpNumbers[] = {1, 2, 3, 4, 5, 6};
constexpr int CroppedtextNumbers[] = {1, 2, 3, 4, 5};
constexpr int TextentryNumbers[] = {1, 2, 3, 4, 5, 6, 7};
constexpr int CheckboxNumbers[] = {1, 2, 4, 5};
constexpr int RadioNumbers[] = {1, 2, 4, 5, 6};
constexpr int GumppictiledNumbers[] = {1, 2, 3, 4};
constexpr int TilepicNumbers[] = {1, 2, 3, 4};
constexpr int CheckertransNumbers[] = {1, 2, 3, 4};
constexpr int XmfhtmlgumpNumbers[] = {1, 2, 3, 4, 5, 6, 7, 8};
constexpr int GumppichueNumbers[] = {1, 2, 4};

constexpr int No = -1;

using Records::ShownWith;

KindInfo row(ElementKind kind, const QString &word, ShownWith shownWith, int length, int widthField, int artField,
             int textField, std::span<const int> numbers)
{
    const QString name = word.front().toUpper() + word.mid(1);
    return {kind, word, name, shownWith, length, widthField, artField, textField, numbers,
            QList<int>(numbers.begin(), numbers.end())};
}

// One row per kind, in the order of the enumeration (row k is kind k + 1):
// its word, the switch of the View menu that shows it, its length, where its
// box, art and text stand, and which of its fields are numbers.
const std::array<KindInfo, 15> &kindTable()
{
    using K = ElementKind;
    using S = ShownWith;
    //                                                                length width art text
    static const std::array<KindInfo, 15> table{
        row(K::Gumppic, QStringLiteral("gumppic"), S::Pictures,          4, No, 3, No, GumppicNumbers),
        row(K::Resizepic, QStringLiteral("resizepic"), S::Backgrounds,   6, 4, 3, No, ResizepicNumbers),
        row(K::Text, QStringLiteral("text"), S::Text,                    5, No, No, 4, TextNumbers),
        row(K::Button, QStringLiteral("button"), S::Buttons,             8, No, 3, No, ButtonNumbers),
        row(K::Htmlgump, QStringLiteral("htmlgump"), S::Text,            8, 3, No, 7, HtmlgumpNumbers),
        row(K::Croppedtext, QStringLiteral("croppedtext"), S::Text,      7, 3, No, 6, CroppedtextNumbers),
        row(K::Textentry, QStringLiteral("textentry"), S::Text,          9, 3, No, 8, TextentryNumbers),
        row(K::Checkbox, QStringLiteral("checkbox"), S::Buttons,         6, No, 3, No, CheckboxNumbers),
        row(K::Radio, QStringLiteral("radio"), S::Buttons,               7, No, 3, No, RadioNumbers),
        row(K::Gumppictiled, QStringLiteral("gumppictiled"), S::Pictures, 6, 3, 5, No, GumppictiledNumbers),
        row(K::Tilepic, QStringLiteral("tilepic"), S::Pictures,          5, No, No, No, TilepicNumbers),
        row(K::Checkertrans, QStringLiteral("checkertrans"), S::Pictures, 5, 3, No, No, CheckertransNumbers),
        row(K::Xmfhtmlgump, QStringLiteral("xmfhtmlgump"), S::Text,      9, 3, No, No, XmfhtmlgumpNumbers),
        row(K::Gumppichue, QStringLiteral("gumppichue"), S::Pictures,    5, No, 3, No, GumppichueNumbers),
        row(K::Script, QStringLiteral("script"), S::Nothing,             2, No, No, 1, {}),
    };
    return table;
}

const KindInfo *infoOf(ElementKind kind)
{
    const int k = int(kind) - 1;
    if (k < 0 || k >= int(kindTable().size()))
        return nullptr;
    Q_ASSERT(kindTable()[size_t(k)].kind == kind);
    return &kindTable()[size_t(k)];
}

} // namespace

namespace Records {

ElementKind kindOfWord(const QString &line)
{
    // Kind words are short lower-case words; most lines are numbers or texts.
    if (line.size() > 12 || line.size() < 4 || line.front() < u'a' || line.front() > u'z')
        return ElementKind::None;
    for (const KindInfo &info : kindTable())
        if (line == info.word)
            return info.kind;
    return ElementKind::None;
}

QString wordOf(ElementKind kind)
{
    const KindInfo *info = infoOf(kind);
    return info ? info->word : QString();
}

QString nameOf(ElementKind kind)
{
    const KindInfo *info = infoOf(kind);
    return info ? info->name : QString();
}

ShownWith shownWith(ElementKind kind)
{
    const KindInfo *info = infoOf(kind);
    return info ? info->shownWith : ShownWith::Nothing;
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
            if (!isScript(info.kind))
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
    const KindInfo *info = infoOf(kind);
    return info ? info->widthField : -1;
}

int artFieldOf(ElementKind kind)
{
    const KindInfo *info = infoOf(kind);
    return info ? info->artField : -1;
}

int textFieldOf(ElementKind kind)
{
    const KindInfo *info = infoOf(kind);
    return info ? info->textField : -1;
}

const QList<int> &numberFieldsOf(ElementKind kind)
{
    static const QList<int> none;
    const KindInfo *info = infoOf(kind);
    return info ? info->numberFieldList : none;
}

bool isStructureLine(const QString &line)
{
    // Every structure word begins with a letter or a brace; numbers never do.
    if (line.isEmpty() || line.front().isDigit())
        return false;
    return line == BeginPage || line == EndPage || line == Location || line == Misc || line == CloseBlock
           || line == NoDispose || line == KeptText || line == KeptBlock || line == DialogName
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
std::span<const int> numberFields(RecordWalker::Item item, ElementKind kind)
{
    using Item = RecordWalker::Item;
    static constexpr int pageNumber[] = {1};
    static constexpr int pair[] = {1, 2};
    switch (item) {
    case Item::PageOpen:
    case Item::KeptText: return pageNumber;
    case Item::Location:
    case Item::Misc: return pair;
    case Item::Element: {
        const KindInfo *info = infoOf(kind);
        return info ? info->numberFields : std::span<const int>();
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
    } else if (text == Records::DialogName) {
        // Taken whole, so a name such as "text" is never read as a kind word.
        m.length = Records::DialogNameLength;
    } else if (text == Records::CloseBlock) {
        m.item = Item::CloseBlock;
        m.length = Records::CloseBlockLength;
    } else if (text == Records::KeptText) {
        m.item = Item::KeptText;
        m.length = Records::KeptTextLength;
    } else if (text == Records::KeptBlock) {
        m.item = Item::KeptBlock;
        m.length = Records::KeptBlockLength;
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
    followOrigin();
    return true;
}

void RecordWalker::followOrigin()
{
    m_originX = m_nextOriginX;
    m_originY = m_nextOriginY;
    if (m_item != Item::Element)
        return;
    if (m_kind == ElementKind::Script) {
        if (const auto origin = FieldValue::originSetBy(field(Records::ScriptLineField))) {
            m_nextOriginX = origin->first;
            m_nextOriginY = origin->second;
        }
        return;
    }
    // "*n" moves the origin for what follows.
    for (const int k : {1, 2}) {
        if (k >= m_length || m_line + k >= m_lines.size())
            break;
        const QString &f = m_lines[m_line + k];
        if (!f.isEmpty() && f.front() == u'*')
            FieldValue::place(f, k == 1 ? m_nextOriginX : m_nextOriginY);
    }
}

QString RecordWalker::field(int k) const
{
    if (m_cutShort && k >= m_length)
        return QString();
    const int i = m_line + k;
    return i >= 0 && i < m_lines.size() ? m_lines[i] : QString();
}
