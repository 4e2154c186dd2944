#include "sphere/DesignCheck.h"
#include "document/FieldValue.h"
#include "sphere/ScriptCheck.h"

#include "document/ButtonReplies.h"
#include "document/ControlCommands.h"
#include "document/Document.h"
#include "document/LineBreaks.h"
#include "document/RecordWalker.h"
#include "platform/ArtFolders.h"
#include "platform/NumberText.h"
#include "platform/SphereEventLine.h"
#include "platform/SphereLine.h"
#include "platform/SphereNumber.h"
#include "sphere/ArtCatalog.h"
#include "sphere/SphereExport.h"

#include <QHash>
#include <QSet>
#include <QStringBuilder>

#include <algorithm>
#include <map>
#include <set>
#include <limits>
#include <optional>

namespace {

using Severity = DesignProblem::Severity;

// Plain decimal text: an optional sign and digits, as the server must be given numbers.
std::optional<int> decimalValue(const QString &text)
{
    const qsizetype sign = (text.startsWith(u'-') || text.startsWith(u'+')) ? 1 : 0;
    if (text.size() == sign || text.size() - sign > 9)
        return std::nullopt;
    int value = 0;
    for (qsizetype i = sign; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c < u'0' || c > u'9')
            return std::nullopt;
        value = value * 10 + (c - u'0');
    }
    return text.startsWith(u'-') ? -value : value;
}

QString bareName(const QString &fileName)
{
    const qsizetype slash = std::max(fileName.lastIndexOf(u'/'), fileName.lastIndexOf(u'\\'));
    const QString bare = fileName.mid(slash + 1);
    return bare.left(std::max<qsizetype>(0, bare.size() - 4));
}

// The names newer kinds' number fields go by in the check, where no rule of
// their own reads them (position and box have theirs, as have ids and
// groups): the property panel's names, a flag called so ("checked flag").
const std::map<std::pair<ElementKind, int>, QString> &otherNumberNames()
{
    static const auto names = [] {
        const std::set<std::pair<ElementKind, int>> readElsewhere = {
            {ElementKind::Textentry, 6}, {ElementKind::Checkbox, 5}, {ElementKind::Radio, 5}, {ElementKind::Radio, 6},
        };
        std::map<std::pair<ElementKind, int>, QString> all;
        for (const ElementKind kind : Records::allKinds()) {
            const QList<ControlCommands::FieldDefinition> &fields = ControlCommands::fieldsOf(kind);
            const int width = Records::widthFieldOf(kind);
            for (const int k : Records::numberFieldsOf(kind)) {
                if (k <= 2 || k > fields.size() || (width > 0 && (k == width || k == width + 1))
                    || readElsewhere.contains({kind, k}))
                    continue;
                const ControlCommands::FieldDefinition &field = fields[k - 1];
                const QString name = field.name.toLower();
                const bool flag = field.type == ControlCommands::FieldDefinition::Type::Flag;
                all[{kind, k}] = flag ? name + QStringLiteral(" flag") : name;
            }
        }
        return all;
    }();
    return names;
}

class Checker
{
public:
    Checker(const QStringList &lines, ArtCatalog *art, const QString &dialect)
        : m_lines(lines), m_art(art), m_dialect(dialect) {}

    QList<DesignProblem> run()
    {
        readOrigin();
        m_replyOfButton = ButtonReplies::numbered(m_lines);
        m_positions.reserve(m_lines.size() / 8);
        RecordWalker w(m_lines);
        while (w.next()) {
            m_line = w.line() + 1;
            switch (w.item()) {
            case RecordWalker::Item::PageOpen:
                checkPage(w);
                break;
            case RecordWalker::Item::Element:
                checkElement(w);
                break;
            case RecordWalker::Item::Other:
                if (m_lines[w.line()] == Records::NoDispose && !isRecentDialect()) {
                    m_kind = QStringLiteral("window flags");
                    warn(QStringLiteral("dialect %1 has no nodispose; the export leaves it out").arg(m_dialect));
                }
                break;
            case RecordWalker::Item::Misc:
                checkWindowFlags(w);
                break;
            case RecordWalker::Item::CloseBlock:
                m_kind = QStringLiteral("close block");
                checkEvents(w.field(1));
                break;
            case RecordWalker::Item::Location:
                m_kind = QStringLiteral("location");
                number(QStringLiteral("X"), w.field(1));
                number(QStringLiteral("Y"), w.field(2));
                break;
            default:
                break;
            }
        }
        checkPageLinks();
        checkRadioGroups();
        std::stable_sort(m_problems.begin(), m_problems.end(),
                         [](const DesignProblem &a, const DesignProblem &b) { return a.line < b.line; });
        return m_problems;
    }

private:
    void report(Severity severity, const QString &message)
    {
        m_problems.append({m_line, severity, m_kind % QStringLiteral(": ") % message}); // one allocation
    }
    void warn(const QString &message) { report(Severity::Warning, message); }
    void inform(const QString &message) { report(Severity::Information, message); }
    void fail(const QString &message) { report(Severity::Error, message); }

    // The screen origin the export writes: the last location record, 0, 0 without one.
    void readOrigin()
    {
        const Document doc(m_lines);
        if (const int at = doc.lastLocationLine(); at >= 0) {
            m_originX = decimalValue(doc.line(at + 1)).value_or(0);
            m_originY = decimalValue(doc.line(at + 2)).value_or(0);
        }
    }

    // A field the server reads as a number. Gives its value when it is one.
    std::optional<int> number(const QString &field, const QString &text)
    {
        if (FieldValue::isComputed(text))
            return std::nullopt; // the server computes it
        const std::optional<int> value = decimalValue(text);
        if (!value) {
            warn(QStringLiteral("%1 \"%2\" is not a number").arg(field, text));
            return std::nullopt;
        }
        const QString plain = SphereLine::withoutLeadingZeros(text);
        if (plain != text) {
            const qint64 read = SphereNumber::tryParse(text).value_or(0);
            if (read != *value)
                warn(QStringLiteral("%1 \"%2\" has a leading zero, which the server reads as hexadecimal (%3); "
                                    "the export writes %4")
                         .arg(field, text, QString::number(read), plain));
        }
        return value;
    }

    bool isOldDialect() const { return m_dialect == SphereDialect::V48eTo51a; }
    bool isRecentDialect() const { return m_dialect == SphereDialect::V55iTo99g; }

    // The older dialect has no window flags: a dialog meant to stay put can be closed or moved.
    void checkWindowFlags(const RecordWalker &w)
    {
        if (!isOldDialect())
            return;
        m_kind = QStringLiteral("window flags");
        const std::pair<int, const char *> flags[] = {{1, "Can Not Close (noclose)"}, {2, "Can Not Move (nomove)"}};
        for (const auto &[field, name] : flags)
            if (w.field(field) == u"1")
                warn(QStringLiteral("dialect %1 has no %2; the export leaves it out")
                         .arg(m_dialect, QString::fromLatin1(name)));
    }

    // What the older dialect writes otherwise than the design holds it.
    void checkOldDialectFields(const RecordWalker &w)
    {
        if (!isOldDialect())
            return;
        switch (w.kind()) {
        case ElementKind::Textentry:
            if (NumberText::parseOr(w.field(7), 0) != 0)
                warn(QStringLiteral("dialect %1 has no character limit (textentrylimited); the export leaves the "
                                    "limit of %2 out").arg(m_dialect, w.field(7)));
            if (SphereLine::readsAsBlank(w.field(8)))
                warn(QStringLiteral("the text is blank, so the export writes the inline form dtextentry, which "
                                    "dialect %1 does not have").arg(m_dialect));
            break;
        case ElementKind::Croppedtext:
            if (SphereLine::readsAsBlank(w.field(6)))
                warn(QStringLiteral("the text is blank, so the export writes the inline form dcroppedtext, which "
                                    "dialect %1 does not have").arg(m_dialect));
            break;
        case ElementKind::Tilepic:
            if (NumberText::parseOr(w.field(4), 0) != 0)
                warn(QStringLiteral("dialect %1 has no hue for tilepic (tilepichue); the export leaves hue %2 out")
                         .arg(m_dialect, w.field(4)));
            break;
        default:
            break;
        }
    }

    void checkPage(const RecordWalker &w)
    {
        m_kind = QStringLiteral("page");
        const auto page = number(QStringLiteral("number"), w.field(1));
        m_pageId = page ? *page : std::numeric_limits<int>::min() + m_unnumberedPages++;
        if (page && *page < 0)
            warn(QStringLiteral("the server drops page %1, and its elements land on the page before").arg(*page));
        if (page && !m_pageLines.contains(*page))
            m_pageLines.insert(*page, m_line);
    }

    void checkElement(const RecordWalker &w)
    {
        if (Records::isScript(w.kind()))
            return; // ScriptCheck's
        m_kind = Records::wordOf(w.kind());
        if (!w.complete()) {
            warn(QStringLiteral("the record is cut short at the end of the design"));
            return;
        }
        const auto x = number(QStringLiteral("X"), w.field(1));
        const auto y = number(QStringLiteral("Y"), w.field(2));
        QSize size(0, 0);
        switch (w.kind()) {
        case ElementKind::Gumppic:
            size = checkGumppic(w.field(3));
            break;
        case ElementKind::Resizepic:
            size = checkResizepic(w);
            break;
        case ElementKind::Text:
            checkText(w);
            break;
        case ElementKind::Button:
            size = checkButton(w);
            break;
        case ElementKind::None:
            break;
        default:
            size = checkNewerKind(w);
            break;
        }
        if (x && y) {
            checkOnScreen(*x, *y, size);
            if (w.kind() == ElementKind::Text || w.kind() == ElementKind::Button)
                checkOverlap(w.kind(), *x, *y);
        }
    }

    QSize checkGumppic(const QString &fileName)
    {
        if (!NumberText::tryParseHex(bareName(fileName)))
            fail(QStringLiteral("picture name \"%1\" is not a hexadecimal gump number; the export stops there")
                     .arg(fileName));
        if (!m_art)
            return {0, 0};
        const QSize size = m_art->gumppicSize(fileName);
        if (!size.isValid())
            warn(QStringLiteral("picture %1 is missing or cannot be read").arg(m_art->gumppicRelativePath(fileName)));
        return size.isValid() ? size : QSize(0, 0);
    }

    QSize checkResizepic(const RecordWalker &w)
    {
        const QString fileName = w.field(3);
        number(QStringLiteral("gump number"), bareName(fileName));
        const auto width = number(QStringLiteral("width"), w.field(4));
        const auto height = number(QStringLiteral("height"), w.field(5));
        if (m_art && !m_art->hasResizepicPieces(fileName))
            warn(QStringLiteral("background %1 lacks some of its nine pieces in %2").arg(fileName, ArtFolders::Backgrounds));
        return {width.value_or(0), height.value_or(0)};
    }

    void checkText(const RecordWalker &w)
    {
        number(QStringLiteral("hue"), w.field(3));
        const QString text = w.field(4);
        const bool recent = isRecentDialect();
        if (text.trimmed().isEmpty()) {
            // Inline, an empty text arrives empty; the older dialect has no inline text.
            if (!recent)
                warn(QStringLiteral("the text is empty; the export leaves it out, since the server skips a blank "
                                    "TEXT line and every later text would take the wrong string"));
            else if (!text.isEmpty())
                warn(QStringLiteral("the text is only blanks, which the server trims"));
            return;
        }
        if (SphereLine::readsAsBlank(text)) {
            warn(recent ? QStringLiteral("the text begins with \"//\", so the server reads it as empty")
                        : QStringLiteral("the text begins with \"//\", so the server reads it as empty; "
                                         "the export leaves it out"));
            return;
        }
        checkShownText(ElementKind::Text, text);
        for (const QChar c : {u'{', u'}', u'|', u':'}) {
            if (text.contains(c)) {
                warn(QStringLiteral("the text holds \"%1\"; the text window warns against { } | :").arg(c));
                break;
            }
        }
        if (++m_texts == DesignCheck::MaxNumbered + 1)
            warn(QStringLiteral("text number %1 is past the %2 texts the server can number")
                     .arg(m_texts - 1).arg(DesignCheck::MaxNumbered));
    }

    // What the server does to the text of any kind on its way to the player.
    void checkShownText(ElementKind kind, const QString &text)
    {
        if (text.contains(u"//"))
            warn(QStringLiteral("the text holds \"//\", where the server cuts it"));
        else if (!text.isEmpty() && endsInServerBlank(text))
            warn(QStringLiteral("the text \"%1\" ends in blanks or tabs, which the server trims").arg(text));
        const QStringView kept = SphereLine::keptPart(text);
        if (!kept.isEmpty() && SphereLine::startsSection(kept)) {
            if (!isRecentDialect())
                fail(QStringLiteral("the text begins with \"[\", which ends the TEXT section, and dialect %1 has "
                                    "no inline text; the export stops there").arg(m_dialect));
            else if (dropsLeadingBlanksInline(kind) && kept.front().isSpace())
                warn(QStringLiteral("the text begins with \"[\" and goes inline, where the server drops the "
                                    "blanks before it"));
        }
        if (const qsizetype open = text.indexOf(u'<'); open >= 0 && text.indexOf(u'>', open) > open)
            inform(QStringLiteral("the server evaluates <…> in the text for each player; the canvas shows it "
                                  "as written"));
        if (lastByteIsServerBlank(kept))
            warn(QStringLiteral("the text ends in \"%1\", whose last byte the server takes for a blank and "
                                "trims, so the letter arrives broken").arg(kept.back()));
        if (const qsizetype bytes = text.toUtf8().size(); bytes > SphereLine::MaxLength)
            warn(QStringLiteral("the text is %1 bytes long, past the %2 of the server's line")
                     .arg(bytes).arg(SphereLine::MaxLength));
    }

    // The inline forms of these kinds take the text after the blanks that
    // follow the last number; dtext and dcroppedtext keep them behind a ".".
    static bool dropsLeadingBlanksInline(ElementKind kind)
    {
        return kind == ElementKind::Htmlgump || kind == ElementKind::Textentry;
    }

    static bool endsInServerBlank(QStringView text) { return text.back().isSpace() || text.back() == u'\u00A0'; }

    // The server trims bytes it takes for blanks, 0xA0 among them, off the
    // line's end: a letter whose UTF-8 ends in that byte loses it.
    static bool lastByteIsServerBlank(QStringView kept)
    {
        if (kept.isEmpty())
            return false;
        const QByteArray utf8 = kept.right(2).toUtf8();
        return utf8.size() > 1 && quint8(utf8.back()) == 0xA0;
    }

    QSize checkButton(const RecordWalker &w)
    {
        const QString art = w.field(3);
        const auto close = number(QStringLiteral("close flag"), w.field(4));
        const auto target = number(QStringLiteral("page"), w.field(5));
        const bool hasEvents = ButtonReplies::parseFlag(w.field(6)).events;
        if (close == 0 && target && *target != 0)
            m_pageButtons.append({m_line, *target});
        if (close == 0 && hasEvents)
            warn(QStringLiteral("the button does not close the dialog, so the client sends no reply and its "
                                "events never run"));
        if (const int reply = m_replyOfButton.value(m_line - 1, 0); reply != 0)
            checkSharedReply(reply, hasEvents ? w.field(7) : QString());
        if (hasEvents) {
            if (++m_replies == DesignCheck::MaxNumbered + 1)
                warn(QStringLiteral("reply number %1 is past the %2 the server can hold")
                         .arg(m_replies).arg(DesignCheck::MaxNumbered));
            checkEvents(w.field(7));
        }
        if (!m_art)
            return {0, 0};
        const ArtCatalog::Decoder &decoder = m_art->decoder(art);
        switch (decoder.status) {
        case ArtCatalog::Decoder::Status::Ok:
            break;
        case ArtCatalog::Decoder::Status::Missing:
            fail(QStringLiteral("button decoder %1 is missing or cannot be read; the export stops there")
                     .arg(decoder.relativePath));
            break;
        case ArtCatalog::Decoder::Status::TooShort:
            fail(QStringLiteral("button decoder %1 has fewer than two lines; the export stops there")
                     .arg(decoder.relativePath));
            break;
        case ArtCatalog::Decoder::Status::NotHex:
            fail(QStringLiteral("button decoder %1 holds \"%2\", not a hexadecimal gump number; the export stops there")
                     .arg(decoder.relativePath, decoder.badLine));
            break;
        }
        const QSize size = m_art->buttonSize(art);
        if (!size.isValid())
            warn(QStringLiteral("picture %1 is missing or cannot be read").arg(m_art->buttonRelativePath(art)));
        return size.isValid() ? size : QSize(0, 0);
    }

    // Event lines: a "//" that starts a comment is meant; one inside a word
    // ("http://") cuts what the script author wanted to keep.
    void checkEvents(const QString &events)
    {
        for (const QString &trimmed : LineBreaks::eventLines(events)) {
            if (const QString trap = SphereEventLine::trap(trimmed); !trap.isEmpty())
                fail(trap + QStringLiteral("; the export stops there"));
            const qsizetype cut = trimmed.indexOf(u"//");
            if (cut > 0 && !trimmed[cut - 1].isSpace())
                warn(QStringLiteral("the event line \"%1\" holds \"//\" inside a word, where the server cuts it")
                         .arg(trimmed));
            else if (cut > 0 && !trimmed.left(cut).trimmed().isEmpty())
                inform(QStringLiteral("the server cuts the event line \"%1\" at \"//\"").arg(trimmed));
            if (const qsizetype bytes = trimmed.toUtf8().size(); bytes > SphereLine::MaxLength)
                warn(QStringLiteral("an event line is %1 bytes long, past the %2 of the server's line")
                         .arg(bytes).arg(SphereLine::MaxLength));
        }
    }

    // Buttons that kept one reply from their script run one block: the first's.
    void checkSharedReply(int reply, const QString &events)
    {
        const auto first = m_firstWithReply.constFind(reply);
        if (first == m_firstWithReply.cend()) {
            m_firstWithReply.insert(reply, {m_line, events});
            return;
        }
        if (!events.isEmpty() && events != first->second)
            warn(QStringLiteral("reply %1 is also that of line %2, whose events the server runs for both")
                     .arg(reply).arg(first->first));
    }

    void checkOnScreen(int x, int y, QSize size)
    {
        if (x < 0 || y < 0) {
            warn(QStringLiteral("it stands at %1, %2, off the screen; the server reads a negative position "
                                "as relative to the origin").arg(x).arg(y));
            return;
        }
        const qint64 right = qint64(m_originX) + x + size.width();
        const qint64 bottom = qint64(m_originY) + y + size.height();
        if (right > DesignCheck::ScreenWidth || bottom > DesignCheck::ScreenHeight)
            warn(QStringLiteral("it reaches %1, %2 on the screen, past %3 × %4")
                     .arg(right).arg(bottom).arg(DesignCheck::ScreenWidth).arg(DesignCheck::ScreenHeight));
    }

    void checkOverlap(ElementKind kind, int x, int y)
    {
        const PositionKey key{(qint64(m_pageId) << 8) | qint64(kind), (qint64(x) << 32) | quint32(y)};
        if (const auto first = m_positions.constFind(key); first != m_positions.cend())
            warn(QStringLiteral("it stands at %1, %2 like the %3 on line %4 of the same page")
                     .arg(x).arg(y).arg(m_kind).arg(*first));
        else
            m_positions.insert(key, m_line);
    }

    void checkPageLinks()
    {
        QSet<int> reached;
        for (const auto &[line, target] : std::as_const(m_pageButtons)) {
            reached.insert(target);
            if (!m_pageLines.contains(target)) {
                m_line = line;
                m_kind = Records::wordOf(ElementKind::Button);
                warn(QStringLiteral("it switches to page %1, which the design does not have").arg(target));
            }
        }
        for (auto it = m_pageLines.cbegin(); it != m_pageLines.cend(); ++it) {
            if (it.key() > 1 && !reached.contains(it.key())) {
                m_line = it.value();
                m_kind = QStringLiteral("page");
                warn(QStringLiteral("no button switches to page %1").arg(it.key()));
            }
        }
    }

    // The kinds beyond the four: whether the dialect has them, their numbers,
    // and the traps the server or the client sets for them.
    // The number fields no other rule reads, by the name the property panel
    // gives them ("Checked" is the "checked flag").
    void checkOtherNumbers(const RecordWalker &w)
    {
        for (const int k : Records::numberFieldsOf(w.kind())) {
            if (const auto name = otherNumberNames().find({w.kind(), k}); name != otherNumberNames().end())
                number(name->second, w.field(k));
        }
    }

    QSize checkNewerKind(const RecordWalker &w)
    {
        const ElementKind kind = w.kind();
        if (!SphereDialect::hasKind(m_dialect, kind))
            warn(QStringLiteral("dialect %1 has no %2; the export leaves it out").arg(m_dialect, m_kind));
        checkOldDialectFields(w);
        checkOtherNumbers(w);
        // Their pictures are named as a gumppic's, and exported alike.
        QSize picture(0, 0);
        if (kind == ElementKind::Gumppichue || kind == ElementKind::Gumppictiled)
            picture = checkGumppic(w.field(Records::artFieldOf(kind)));
        QSize size = picture;
        if (const int k = Records::widthFieldOf(kind); k > 0)
            size = QSize(number(QStringLiteral("width"), w.field(k)).value_or(0),
                         number(QStringLiteral("height"), w.field(k + 1)).value_or(0));
        switch (kind) {
        case ElementKind::Htmlgump:
            checkShownText(kind, w.field(7));
            countText(w.field(7));
            break;
        case ElementKind::Croppedtext:
            if (size.width() < DesignCheck::NarrowestCharacter)
                warn(QStringLiteral("the box is %1 pixels wide, too narrow for one character; some clients "
                                    "draw nothing").arg(size.width()));
            checkShownText(kind, w.field(6));
            countText(w.field(6));
            break;
        case ElementKind::Textentry:
            if (const auto id = number(QStringLiteral("entry id"), w.field(6)))
                checkShared(m_entryIds, *id, QStringLiteral("entry id"));
            checkShownText(kind, w.field(8));
            countText(w.field(8));
            break;
        case ElementKind::Checkbox:
        case ElementKind::Radio: {
            const auto id = number(QStringLiteral("switch id"), w.field(5));
            if (id)
                checkShared(m_switchIds, *id, QStringLiteral("switch id"));
            if (kind == ElementKind::Radio) {
                const auto group = number(QStringLiteral("group"), w.field(6));
                RadioGroup &g = m_radioGroups[{m_pageId, group.value_or(0)}];
                if (g.line == 0)
                    g.line = m_line;
                g.checked = g.checked || w.field(4) != u"0";
            }
            break;
        }
        default:
            break;
        }
        return size;
    }

    // Entries and switches answer the server by their id: two with one id cannot be told apart.
    void checkShared(QHash<int, int> &seen, int id, const QString &what)
    {
        const auto first = seen.constFind(id);
        if (first != seen.cend())
            warn(QStringLiteral("%1 %2 is also that of line %3; the server cannot tell them apart")
                     .arg(what).arg(id).arg(*first));
        else
            seen.insert(id, m_line);
    }

    // Texts of the newer kinds take TEXT section numbers as texts do.
    void countText(const QString &text)
    {
        if (!SphereLine::readsAsBlank(text) && ++m_texts == DesignCheck::MaxNumbered + 1)
            warn(QStringLiteral("text number %1 is past the %2 texts the server can number")
                     .arg(m_texts - 1).arg(DesignCheck::MaxNumbered));
    }

    void checkRadioGroups()
    {
        m_kind = Records::wordOf(ElementKind::Radio);
        for (const auto &[pageAndGroup, group] : m_radioGroups) {
            if (group.checked)
                continue;
            m_line = group.line;
            warn(QStringLiteral("no radio of group %1 is checked, so the client may send none")
                     .arg(pageAndGroup.second));
        }
    }

    struct RadioGroup { int line = 0; bool checked = false; };

    const QStringList &m_lines;
    ArtCatalog *const m_art;
    const QString m_dialect;
    QHash<int, int> m_entryIds, m_switchIds; // id -> line of the first element holding it
    std::map<std::pair<int, int>, RadioGroup> m_radioGroups; // page, group -> first radio line
    QList<DesignProblem> m_problems;
    QHash<int, int> m_replyOfButton;                     // button line -> reply
    QHash<int, std::pair<int, QString>> m_firstWithReply; // reply -> line and events of its first button
    int m_line = 0;
    QString m_kind;
    int m_originX = 0, m_originY = 0;
    int m_texts = 0, m_replies = 0;
    QMap<int, int> m_pageLines;           // page number -> line of its first bracket
    QList<std::pair<int, int>> m_pageButtons; // line, page it switches to
    // Page and kind, and position -> line of the first element there.
    using PositionKey = std::pair<qint64, qint64>;
    QHash<PositionKey, int> m_positions;
    int m_pageId = 0;                     // the page's number, or a number of its own for one that has none
    int m_unnumberedPages = 0;
};

} // namespace

namespace DesignCheck {

QList<DesignProblem> run(const QStringList &lines, ArtCatalog *art, const QString &dialect)
{
    QList<DesignProblem> found = Checker(lines, art, dialect).run();
    ScriptCheck::mergeInto(found, lines);
    return found;
}

bool hasErrors(const QList<DesignProblem> &problems)
{
    return std::any_of(problems.cbegin(), problems.cend(),
                       [](const DesignProblem &p) { return p.severity == Severity::Error; });
}

bool hasWarningsOrErrors(const QList<DesignProblem> &problems)
{
    return std::any_of(problems.cbegin(), problems.cend(),
                       [](const DesignProblem &p) { return p.severity != Severity::Information; });
}

QString severityWord(DesignProblem::Severity severity)
{
    switch (severity) {
    case Severity::Error:
        return QStringLiteral("error");
    case Severity::Information:
        return QStringLiteral("information");
    case Severity::Warning:
        break;
    }
    return QStringLiteral("warning");
}

QString compilerLine(const QString &file, const DesignProblem &problem)
{
    return QStringLiteral("%1:%2: %3: %4").arg(file).arg(problem.line).arg(severityWord(problem.severity),
                                                                         problem.message);
}

} // namespace DesignCheck
