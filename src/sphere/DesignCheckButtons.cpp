// The check's rules for buttons: their numbers, replies, event lines and art.
#include "sphere/DesignCheckRules.h"

#include "document/ButtonGumps.h"
#include "document/ButtonReplies.h"
#include "document/LineBreaks.h"
#include "platform/SphereEventLine.h"
#include "platform/SphereLine.h"
#include "sphere/ArtCatalog.h"

namespace DesignCheck {

namespace {

// The server ends a running block at any line whose word begins with "on"
// ("once", "onx=1"), a marker or not; "oname" is its one exception.
bool endsTheBlock(const QString &line)
{
    const QStringView kept = SphereLine::keptPart(line).trimmed();
    return kept.startsWith(u"on", Qt::CaseInsensitive) && !kept.startsWith(u"oname", Qt::CaseInsensitive);
}

} // namespace

QSize Rules::checkButton(const RecordWalker &w)
{
    const auto name = [](int k) { return CheckedFields::nameOf(ElementKind::Button, k); };
    const auto close = number(QStringLiteral("close flag"), w.field(4), name(4));
    const auto target = number(QStringLiteral("page"), w.field(5), name(5));
    const ButtonReplies::Flag flag = ButtonReplies::parseFlag(w.field(6));
    const bool hasEvents = flag.events;
    if (close == 0 && target && *target != 0)
        m_pageButtons.append({m_line, *target});
    if (close == 0 && hasEvents)
        advise(QStringLiteral("the button does not close the dialog, so the client sends no reply and its "
                              "events never run"));
    // The designer numbers its buttons around the kept replies: only kept ones can meet.
    if (flag.kept)
        checkSharedReply(*flag.kept, hasEvents ? w.field(7) : QString());
    if (hasEvents) {
        if (++m_replies > DesignCheck::MaxNumbered)
            warn(CheckedFields::Reply, QStringLiteral("reply number %1 is past the %2 the server can hold")
                                           .arg(m_replies).arg(DesignCheck::MaxNumbered));
        checkEvents(w.field(7));
    }
    return buttonArt(w.field(3));
}

QSize Rules::buttonArt(const QString &art)
{
    if (!m_art)
        return {0, 0};
    const ArtCatalog::Decoder &decoder = m_art->decoder(art);
    switch (decoder.status) {
    case ArtCatalog::Decoder::Status::Ok:
        break;
    case ArtCatalog::Decoder::Status::Missing:
        fail(CheckedFields::Art, QStringLiteral("button decoder %1 is missing or cannot be read; the export stops there")
                                     .arg(decoder.relativePath));
        break;
    case ArtCatalog::Decoder::Status::TooShort:
        fail(CheckedFields::Art, QStringLiteral("button decoder %1 has fewer than two lines; the export stops there")
                                     .arg(decoder.relativePath));
        break;
    case ArtCatalog::Decoder::Status::NotHex:
        fail(CheckedFields::Art,
             QStringLiteral("button decoder %1 holds \"%2\", not a hexadecimal gump number; the export stops there")
                 .arg(decoder.relativePath, decoder.badLine));
        break;
    }
    const QSize size = m_art->buttonSize(art);
    if (const auto kept = ButtonGumps::pairOf(art); kept && !size.isValid())
        advise(QStringLiteral("button gumps %1 and %2 are not in the art library; the canvas draws a placeholder")
                   .arg(kept->first).arg(kept->second));
    else if (!size.isValid())
        missingPicture(bareName(art));
    return size.isValid() ? size : QSize(0, 0);
}

// Event lines: a "//" after a blank starts a comment, which is meant; one
// after another character ("http://", "a//b") cuts what the line was to say.
void Rules::checkEvents(const QString &events)
{
    const QString &field = CheckedFields::Events;
    for (const QString &line : LineBreaks::eventLines(events)) {
        if (const QString trap = SphereEventLine::trap(line); !trap.isEmpty())
            fail(field, trap + QStringLiteral("; the export stops there"));
        else if (endsTheBlock(line))
            warn(field, QStringLiteral("the event line \"%1\" begins with \"on\", where the server ends the "
                                       "button's block; the lines after it do not run").arg(line.trimmed()));
        if (const qsizetype cut = line.indexOf(u"//"); cut > 0 && !line[cut - 1].isSpace())
            inform(field, QStringLiteral("the event line \"%1\" holds \"//\" after \"%2\", where the server cuts it")
                              .arg(line, line[cut - 1]));
        if (line.size() > SphereLine::MaxLength / 3 && line.toUtf8().size() > SphereLine::MaxLength)
            fail(field, QStringLiteral("an event line is %1 bytes long, past the %2 the server reads; the export "
                                       "stops there").arg(line.toUtf8().size()).arg(SphereLine::MaxLength));
    }
}

// Buttons that kept one reply from their script run one block: the first's.
void Rules::checkSharedReply(int reply, const QString &events)
{
    const auto first = m_firstWithReply.constFind(reply);
    if (first == m_firstWithReply.cend()) {
        m_firstWithReply.insert(reply, {m_line, events});
        return;
    }
    if (!events.isEmpty() && events != first->second) {
        warn(CheckedFields::Events, QStringLiteral("reply %1 is also that of line %2, whose events the server runs for both")
                                        .arg(reply).arg(first->first));
        // The export may write the later one's block first (page 0 goes first), so both are named.
        m_sharedFirsts.append({first->first, reply, m_line});
    }
}

} // namespace DesignCheck
