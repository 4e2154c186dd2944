#include "serverworld/ShownDialog.h"

#include "document/ButtonReplies.h"
#include "document/Document.h"
#include "document/RecordWalker.h"
#include "platform/FileNameText.h"
#include "platform/NumberText.h"
#include "platform/PathResolver.h"
#include "platform/TextFile.h"
#include "sphere/CheckedFields.h"

#include <QHash>

#include <vector>

namespace {

using Value = std::optional<qint64>;

Value designNumber(const QString &field)
{
    if (const auto n = NumberText::tryParse(field))
        return *n;
    return std::nullopt;
}

// The client reads the numbers of a layout as plain decimal text.
Value clientNumber(const QString &word)
{
    bool ok = false;
    const qint64 n = word.toLongLong(&ok, 10);
    return ok ? Value(n) : std::nullopt;
}

// The gumps a button's decoder file names, nothing when it cannot be read.
std::pair<Value, Value> decoderGumps(const QString &appDir, const QString &art)
{
    const QString relative = QStringLiteral("DATA/buttons/") + FileNameText::withExtension(art, QStringLiteral(".CS"));
    const QString path = PathResolver::resolveInData(appDir, relative);
    if (path.isNull())
        return {};
    QStringList lines;
    try {
        lines = TextFile::readLines(path);
    } catch (...) {
        return {};
    }
    const auto hex = [&](int k) -> Value {
        if (k >= lines.size())
            return std::nullopt;
        if (const auto n = NumberText::tryParseHex(lines[k].trimmed()))
            return *n;
        return std::nullopt;
    };
    return {hex(0), hex(1)};
}

Value gumpOfPicture(const QString &file)
{
    if (const auto n = NumberText::tryParseHex(FileNameText::artName(file)))
        return *n;
    return std::nullopt;
}

ShownElement designElement(const RecordWalker &w, const QString &appDir, const QHash<int, int> &replies)
{
    ShownElement e;
    e.kind = Records::wordOf(w.kind());
    e.designLine = w.line() + 1;
    const auto n = [&](int k) { return designNumber(w.field(k)); };
    switch (w.kind()) {
    case ElementKind::Gumppic:
        e.values = {n(1), n(2), gumpOfPicture(w.field(3))};
        break;
    case ElementKind::Gumppichue:
        e.values = {n(1), n(2), gumpOfPicture(w.field(3)), n(4)};
        break;
    case ElementKind::Resizepic:
        e.values = {n(1), n(2), designNumber(FileNameText::artName(w.field(3))), n(4), n(5)};
        break;
    case ElementKind::Text:
        e.values = {n(1), n(2), n(3)};
        e.text = w.field(4);
        break;
    case ElementKind::Button: {
        const auto [up, down] = decoderGumps(appDir, w.field(3));
        e.values = {n(1), n(2), up, down, n(4), n(5), Value(replies.value(w.line(), 0))};
        break;
    }
    case ElementKind::Htmlgump:
        e.values = {n(1), n(2), n(3), n(4), n(5), n(6)};
        e.text = w.field(7);
        break;
    case ElementKind::Croppedtext:
        e.values = {n(1), n(2), n(3), n(4), n(5)};
        e.text = w.field(6);
        break;
    case ElementKind::Textentry:
        e.values = {n(1), n(2), n(3), n(4), n(5), n(6), n(7)};
        e.text = w.field(8);
        break;
    case ElementKind::Checkbox:
    case ElementKind::Radio: {
        const auto [up, down] = decoderGumps(appDir, w.field(3));
        e.values = {n(1), n(2), up, down, n(4), n(5)};
        if (w.kind() == ElementKind::Radio)
            e.values << n(6);
        break;
    }
    case ElementKind::Gumppictiled:
        e.values = {n(1), n(2), n(3), n(4), gumpOfPicture(w.field(5))};
        break;
    case ElementKind::Tilepic:
        e.values = {n(1), n(2), n(3), n(4)};
        break;
    case ElementKind::Checkertrans:
        e.values = {n(1), n(2), n(3), n(4)};
        break;
    case ElementKind::Xmfhtmlgump:
        e.values = {n(1), n(2), n(3), n(4), n(5), n(6), n(7), n(8)};
        break;
    case ElementKind::None:
        break;
    }
    return e;
}

class GumpReader
{
public:
    GumpReader(const QStringList &texts) : m_texts(texts) {}

    void read(const QStringList &c, ShownDialog &into)
    {
        if (c.isEmpty())
            return;
        const QString word = c[0].toLower();
        const auto v = [&](int k) { return k < c.size() ? clientNumber(c[k]) : std::nullopt; };
        const auto values = [&](std::initializer_list<int> ks) {
            QList<Value> list;
            for (const int k : ks)
                list << v(k);
            return list;
        };
        if (word == u"page") {
            m_page = int(v(1).value_or(-1));
            return;
        }
        if (word == u"noclose") {
            into.noClose = true;
            return;
        }
        if (word == u"nomove") {
            into.noMove = true;
            return;
        }
        if (word == u"nodispose") {
            into.noDispose = true;
            return;
        }
        if (word == u"group") {
            m_group = v(1);
            return;
        }
        ShownElement e;
        e.kind = word;
        e.page = m_page;
        if (word == u"gumppic") {
            e.values = values({1, 2, 3});
            // A hue comes as " hue=N".
            if (c.size() > 4 || (c.size() == 4 && c[3].contains(u'='))) {
                e.kind = QStringLiteral("gumppichue");
                const QString hue = c.last();
                e.values << (hue.startsWith(u"hue=", Qt::CaseInsensitive) ? clientNumber(hue.mid(4)) : std::nullopt);
            }
        } else if (word == u"text") {
            e.values = values({1, 2, 3});
            e.text = text(c.value(4));
        } else if (word == u"button" || word == u"resizepic" || word == u"checkertrans" || word == u"gumppictiled") {
            for (int k = 1; k < c.size(); ++k)
                e.values << v(k);
        } else if (word == u"checkbox" || word == u"radio") {
            e.values = values({1, 2, 3, 4, 5, 6});
            if (word == u"radio")
                e.values << m_group;
        } else if (word == u"htmlgump") {
            e.values = values({1, 2, 3, 4, 6, 7});
            e.text = text(c.value(5));
        } else if (word == u"croppedtext") {
            e.values = values({1, 2, 3, 4, 5});
            e.text = text(c.value(6));
        } else if (word == u"textentry" || word == u"textentrylimited") {
            e.kind = QStringLiteral("textentry");
            e.values = values({1, 2, 3, 4, 5, 6});
            e.values << (word == u"textentry" ? Value(0) : v(8));
            e.text = text(c.value(7));
        } else if (word == u"tilepic" || word == u"tilepichue") {
            e.kind = QStringLiteral("tilepic");
            e.values = values({1, 2, 3});
            e.values << (word == u"tilepic" ? Value(0) : v(4));
        } else if (word == u"xmfhtmlgump" || word == u"xmfhtmlgumpcolor") {
            e.kind = QStringLiteral("xmfhtmlgump");
            e.values = values({1, 2, 3, 4, 5, 6, 7});
            e.values << (word == u"xmfhtmlgump" ? Value(0) : v(8));
        } else {
            e.text = c.mid(1).join(u' ');
        }
        into.elements << e;
    }

private:
    QString text(const QString &index) const
    {
        const Value i = clientNumber(index);
        // The client shows nothing for a text that is not there.
        if (!i || *i < 0 || *i >= m_texts.size())
            return QStringLiteral("");
        return m_texts[int(*i)];
    }

    const QStringList &m_texts;
    int m_page = 0;
    Value m_group = 0;
};

QString valuesText(const QList<Value> &values)
{
    QStringList words;
    for (const Value &v : values)
        words << (v ? QString::number(*v) : QStringLiteral("?"));
    return words.join(u' ');
}

// The record field each value of a shown element comes from: the order
// designElement() gives them in (a button's or switch's art gives two).
QString fieldOfValue(const QString &kindWord, qsizetype index)
{
    const ElementKind kind = Records::kindOfWord(kindWord);
    int offset = int(index) + 1;
    if (kind == ElementKind::Button || kind == ElementKind::Checkbox || kind == ElementKind::Radio)
        offset = index <= 2 ? int(index) + 1 : int(index);
    const QString name = CheckedFields::nameOf(kind, offset);
    return name.isEmpty() ? QStringLiteral("value %1").arg(index + 1) : name;
}

// One difference per field in which two paired elements differ.
QList<ShownDifference> fieldDifferences(const ShownElement &a, const ShownElement &b)
{
    QList<ShownDifference> found;
    const QString what = QStringLiteral("designer: %1; server: %2").arg(a.describe(), b.describe());
    QStringList fields;
    if (a.page != b.page)
        found << ShownDifference{a.designLine, what, a.pageLine, CheckedFields::Page};
    for (qsizetype k = 0; k < std::max(a.values.size(), b.values.size()); ++k) {
        if (a.values.value(k) == b.values.value(k) && k < a.values.size() && k < b.values.size())
            continue;
        const QString field = fieldOfValue(a.kind, k);
        if (!fields.contains(field))
            fields << field;
    }
    if (a.text != b.text)
        fields << CheckedFields::Text;
    for (const QString &field : std::as_const(fields))
        found << ShownDifference{a.designLine, what, a.pageLine, field};
    return found;
}

} // namespace

QString ShownElement::describe() const
{
    QString s = QStringLiteral("%1 on page %2: %3").arg(kind).arg(page).arg(valuesText(values));
    if (!text.isNull())
        s += QStringLiteral(" \"%1\"").arg(text);
    return s;
}

namespace ShownDialogs {

ShownDialog ofDesign(const QStringList &designLines, const QString &appDir)
{
    ShownDialog d;
    const Document doc(designLines);
    if (const int at = doc.lastLocationLine(); at >= 0) {
        d.x = designNumber(doc.line(at + 1));
        d.y = designNumber(doc.line(at + 2));
        d.locationLine = at + 1;
    }
    if (const int at = doc.lastMiscLine(); at >= 0) {
        d.noClose = doc.line(at + 1) == u"1";
        d.noMove = doc.line(at + 2) == u"1";
        d.flagsLine = at + 1;
    }
    d.noDispose = doc.noDisposeLine() >= 0;
    const QHash<int, int> replies = ButtonReplies::numbered(designLines);
    // Page 0 lies beneath every page, so its elements come first.
    QList<ShownElement> pageZero, others;
    int page = 0, pageLine = -1;
    RecordWalker w(designLines);
    while (w.next()) {
        if (w.item() == RecordWalker::Item::PageOpen) {
            page = int(designNumber(w.field(1)).value_or(-1));
            pageLine = w.line() + 1;
        }
        if (w.item() != RecordWalker::Item::Element || !w.complete())
            continue;
        ShownElement e = designElement(w, appDir, replies);
        e.page = page;
        e.pageLine = pageLine;
        (page == 0 ? pageZero : others) << e;
    }
    d.elements = pageZero + others;
    return d;
}

ShownDialog ofGump(qint64 x, qint64 y, const QList<QStringList> &controls, const QStringList &texts)
{
    ShownDialog d;
    d.x = x;
    d.y = y;
    GumpReader reader(texts);
    for (const QStringList &c : controls)
        reader.read(c, d);
    return d;
}

QList<ShownDifference> compare(const ShownDialog &designer, const ShownDialog &server)
{
    QList<ShownDifference> found;
    if (designer.x != server.x || designer.y != server.y)
        found << ShownDifference{designer.locationLine,
                                 QStringLiteral("the dialog stands at %1, %2 for the designer, at %3, %4 for the server")
                                     .arg(designer.x.value_or(-1)).arg(designer.y.value_or(-1))
                                     .arg(server.x.value_or(-1)).arg(server.y.value_or(-1)),
                                 -1, CheckedFields::Place};
    if (designer.noClose != server.noClose || designer.noMove != server.noMove || designer.noDispose != server.noDispose)
        found << ShownDifference{designer.flagsLine, QStringLiteral("the window flags differ"), -1, CheckedFields::Flags};

    // Elements paired in order: equal ones count most, then ones of one kind.
    const QList<ShownElement> &a = designer.elements, &b = server.elements;
    const qsizetype n = a.size(), m = b.size();
    const auto pairing = [&](qsizetype i, qsizetype j) { return a[i].sameAs(b[j]) ? 3 : a[i].kind == b[j].kind ? 1 : 0; };
    std::vector<std::vector<int>> best(size_t(n + 1), std::vector<int>(size_t(m + 1), 0));
    for (qsizetype i = n - 1; i >= 0; --i)
        for (qsizetype j = m - 1; j >= 0; --j) {
            const int paired = pairing(i, j);
            best[i][j] = std::max({paired ? best[i + 1][j + 1] + paired : 0, best[i + 1][j], best[i][j + 1]});
        }
    qsizetype i = 0, j = 0;
    while (i < n || j < m) {
        if (i < n && j < m && pairing(i, j) && best[i][j] == best[i + 1][j + 1] + pairing(i, j)) {
            // A page the server reads otherwise is the page bracket's to name.
            if (!a[i].sameAs(b[j]))
                found << fieldDifferences(a[i], b[j]);
            ++i, ++j;
        } else if (i < n && (j == m || best[i][j] == best[i + 1][j])) {
            found << ShownDifference{a[i].designLine,
                                     QStringLiteral("designer: %1; the server sent nothing").arg(a[i].describe()),
                                     a[i].pageLine, CheckedFields::Element};
            ++i;
        } else {
            const ShownElement *near = i > 0 ? &a[i - 1] : i < n ? &a[i] : nullptr;
            found << ShownDifference{near ? near->designLine : -1,
                                     QStringLiteral("the server sent %1, which the designer does not show")
                                         .arg(b[j].describe()),
                                     near ? near->pageLine : -1, CheckedFields::Element};
            ++j;
        }
    }
    return found;
}

} // namespace ShownDialogs
