// The check's rules for pictures and for the kinds beyond the classic four:
// whether the dialect has them, their numbers, and the traps the server or
// the client sets for them.
#include "sphere/DesignCheckRules.h"

#include "document/ControlCommands.h"
#include "platform/ArtFolders.h"
#include "platform/NumberText.h"
#include "platform/SphereLine.h"
#include "sphere/ArtCatalog.h"
#include "sphere/SphereDialect.h"

#include <set>

namespace DesignCheck {

namespace {

// The number fields of the newer kinds no rule of their own reads (position
// and box have theirs, as have ids and groups), by the property panel's names:
// a flag is called so in the message ("checked flag").
struct OtherNumber
{
    int field;
    QString label;
    QString name;
};

const QList<OtherNumber> &otherNumbers(ElementKind kind)
{
    static const auto all = [] {
        const std::set<std::pair<ElementKind, int>> readElsewhere = {
            {ElementKind::Textentry, 6}, {ElementKind::Checkbox, 5}, {ElementKind::Radio, 5}, {ElementKind::Radio, 6},
        };
        QHash<ElementKind, QList<OtherNumber>> table;
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
                table[kind].append({k, flag ? name + QStringLiteral(" flag") : name, CheckedFields::nameOf(kind, k)});
            }
        }
        return table;
    }();
    static const QList<OtherNumber> none;
    const auto found = all.constFind(kind);
    return found == all.cend() ? none : *found;
}

} // namespace

// Art missing from the local library is the designer's matter: the server
// sends the number all the same.
void Rules::missingPicture(const QString &name)
{
    advise(QStringLiteral("picture %1 is missing from the art library; the canvas draws a placeholder").arg(name));
}

QSize Rules::checkGumppic(const QString &fileName)
{
    if (!NumberText::tryParseHex(bareName(fileName)))
        fail(CheckedFields::Art, QStringLiteral("picture name \"%1\" is not a hexadecimal gump number; the export "
                                                "stops there").arg(fileName));
    if (!m_art)
        return {0, 0};
    const QSize size = m_art->gumppicSize(fileName);
    if (!size.isValid())
        missingPicture(bareName(fileName));
    return size.isValid() ? size : QSize(0, 0);
}

QSize Rules::checkResizepic(const RecordWalker &w)
{
    const QString fileName = w.field(3);
    number(QStringLiteral("gump number"), bareName(fileName), CheckedFields::Art);
    const auto width = number(QStringLiteral("width"), w.field(4), QStringLiteral("width"));
    const auto height = number(QStringLiteral("height"), w.field(5), QStringLiteral("height"));
    if (m_art && !m_art->hasResizepicPieces(fileName))
        advise(QStringLiteral("background %1 lacks some of its nine pieces in %2").arg(fileName, ArtFolders::Backgrounds));
    return {width.value_or(0), height.value_or(0)};
}

// What the older dialect writes otherwise than the design holds it.
void Rules::checkOldDialectFields(const RecordWalker &w)
{
    if (!isOldDialect())
        return;
    switch (w.kind()) {
    case ElementKind::Textentry:
        if (NumberText::parseOr(w.field(7), 0) != 0)
            warn(CheckedFields::nameOf(w.kind(), 7),
                 QStringLiteral("dialect %1 has no character limit (textentrylimited); the export leaves the "
                                "limit of %2 out").arg(m_dialect, w.field(7)));
        if (SphereLine::readsAsBlank(w.field(8)))
            warn(CheckedFields::Element, QStringLiteral("the text is blank, so the export writes the inline form "
                                                        "dtextentry, which dialect %1 does not have").arg(m_dialect));
        break;
    case ElementKind::Croppedtext:
        if (SphereLine::readsAsBlank(w.field(6)))
            warn(CheckedFields::Element, QStringLiteral("the text is blank, so the export writes the inline form "
                                                        "dcroppedtext, which dialect %1 does not have").arg(m_dialect));
        break;
    case ElementKind::Tilepic:
        if (NumberText::parseOr(w.field(4), 0) != 0)
            warn(CheckedFields::nameOf(w.kind(), 4),
                 QStringLiteral("dialect %1 has no hue for tilepic (tilepichue); the export leaves hue %2 out")
                     .arg(m_dialect, w.field(4)));
        break;
    default:
        break;
    }
}

void Rules::checkOtherNumbers(const RecordWalker &w)
{
    for (const OtherNumber &n : otherNumbers(w.kind()))
        number(n.label, w.field(n.field), n.name);
}

QSize Rules::checkNewerKind(const RecordWalker &w)
{
    const ElementKind kind = w.kind();
    if (!SphereDialect::hasKind(m_dialect, kind))
        warn(CheckedFields::Element, QStringLiteral("dialect %1 has no %2; the export leaves it out").arg(m_dialect, m_kind));
    checkOldDialectFields(w);
    checkOtherNumbers(w);
    // Their pictures are named as a gumppic's, and exported alike.
    QSize picture(0, 0);
    if (kind == ElementKind::Gumppichue || kind == ElementKind::Gumppictiled)
        picture = checkGumppic(w.field(Records::artFieldOf(kind)));
    QSize size = picture;
    if (const int k = Records::widthFieldOf(kind); k > 0)
        size = QSize(number(QStringLiteral("width"), w.field(k), QStringLiteral("width")).value_or(0),
                     number(QStringLiteral("height"), w.field(k + 1), QStringLiteral("height")).value_or(0));
    // Written inline for a place or number the server computes: no TEXT number.
    const bool inlined = SphereDialect::inlineForComputed(m_dialect, w);
    switch (kind) {
    case ElementKind::Htmlgump:
        checkShownText(kind, w.field(7), inlined);
        if (!inlined)
            countText(w.field(7));
        break;
    case ElementKind::Croppedtext:
        if (size.width() < DesignCheck::NarrowestCharacter)
            advise(QStringLiteral("the box is %1 pixels wide, too narrow for one character; some clients "
                                  "draw nothing").arg(size.width()));
        checkShownText(kind, w.field(6), inlined);
        if (!inlined)
            countText(w.field(6));
        break;
    case ElementKind::Textentry:
        if (const auto id = number(QStringLiteral("entry id"), w.field(6), CheckedFields::nameOf(kind, 6)))
            checkShared(m_entryIds, *id, QStringLiteral("entry id"));
        checkShownText(kind, w.field(8), inlined);
        if (!inlined)
            countText(w.field(8));
        break;
    case ElementKind::Checkbox:
    case ElementKind::Radio: {
        if (const auto id = number(QStringLiteral("switch id"), w.field(5), CheckedFields::nameOf(kind, 5)))
            checkShared(m_switchIds, *id, QStringLiteral("switch id"));
        if (kind == ElementKind::Radio) {
            const auto group = number(QStringLiteral("group"), w.field(6), CheckedFields::nameOf(kind, 6));
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
void Rules::checkShared(QHash<int, int> &seen, int id, const QString &what)
{
    const auto first = seen.constFind(id);
    if (first != seen.cend())
        advise(QStringLiteral("%1 %2 is also that of line %3; the server cannot tell them apart")
                   .arg(what).arg(id).arg(*first));
    else
        seen.insert(id, m_line);
}

} // namespace DesignCheck
