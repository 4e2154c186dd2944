#include "document/ButtonGumps.h"
#include "document/ButtonReplies.h"
#include "document/Document.h"
#include "document/LineBreaks.h"
#include "platform/ArtFolders.h"
#include "platform/NumberText.h"
#include "platform/PathResolver.h"
#include "platform/RuntimeError.h"
#include "platform/SphereEventLine.h"
#include "platform/TextFile.h"
#include "sphere/ScriptWriter.h"

#include <QStringBuilder>

void ScriptWriter::writeButton(const RecordWalker &w, const QString &position)
{
    const auto [up, down] = buttonGumps(w.field(3));
    const int reply = m_replies.value(w.line(), 0);
    // Buttons that kept one reply from their script share its block: the server runs the first.
    if (ButtonReplies::parseFlag(w.field(6)).events && !m_repliesWithBlock.contains(reply)) {
        m_repliesWithBlock.insert(reply);
        const QStringList events = checkedEvents(w.field(7));
        if (isRecent())
            m_buttonBlocks << QStringLiteral("on=") + QString::number(reply);
        else if (isOld())
            m_buttonBlocks << QStringLiteral("ONBUTTON=") + QString::number(reply);
        m_buttonBlocks << events;
    }
    // One allocation per script line (%), not one per piece (+).
    m_out << QStringLiteral("button ") % position % u' ' % QString::number(up) % u' ' % QString::number(down)
                 % u' ' % number(w.field(4)) % u' ' % number(w.field(5)) % u' ' % QString::number(reply);
}

// The up and down gumps of a button's art, from its decoder; read once per art.
std::pair<int, int> ScriptWriter::buttonGumps(const QString &artName)
{
    if (const auto known = m_buttonGumps.constFind(artName); known != m_buttonGumps.cend())
        return *known;
    // A pair no art of the library has keeps its numbers in its name.
    if (const auto kept = ButtonGumps::pairOf(artName))
        return *kept;
    const QStringList decoder = readDecoder(artName);
    const std::pair<int, int> gumps{NumberText::parseHex(decoder[0]), NumberText::parseHex(decoder[1])};
    m_buttonGumps.insert(artName, gumps);
    return gumps;
}

// The up and down gump lines of the button's decoder file, which sits
// beside its art with the extension ".CS" in any case. Read once per export.
QStringList ScriptWriter::readDecoder(const QString &artName)
{
    // Keyed by the art's name, which gives the decoder's: no path built per button.
    if (const auto known = m_decoders.constFind(artName); known != m_decoders.cend())
        return *known;
    const QString relative = ArtFolders::buttonDecoder(artName);
    QStringList decoder;
    // A decoder lies beside the button's art in the DATA tree and nowhere else.
    const QString path = PathResolver::staysInside(artName) ? PathResolver::resolveInData(m_appDir, relative)
                                                            : QString();
    if (path.isNull())
        throw RuntimeError::cannotOpen(m_appDir + relative);
    try {
        decoder = TextFile::readLines(path);
    } catch (const RuntimeError &) {
        throw RuntimeError::cannotOpen(m_appDir + relative);
    }
    if (decoder.size() < 2)
        throw RuntimeError::listIndexOutOfBounds(int(decoder.size()));
    m_decoders.insert(artName, decoder);
    return decoder;
}

// The block the server runs when the dialog is closed with the right mouse button.
void ScriptWriter::writeCloseBlock()
{
    const int closeBlock = marks().closeBlock;
    if (closeBlock < 0)
        return;
    if (isRecent())
        m_out << QStringLiteral("on=0");
    else if (isOld())
        m_out << QStringLiteral("ONBUTTON=0");
    else
        return;
    try {
        m_out << checkedEvents(Document(m_lines).line(closeBlock + 1));
    } catch (const RuntimeError &e) {
        throw RuntimeError(QStringLiteral("Line %1: %2").arg(closeBlock + 1).arg(e.message()));
    }
}

// Event lines the server would read as the end of the section or as the
// marker of another block stop the export rather than lose handlers.
QStringList ScriptWriter::checkedEvents(const QString &events)
{
    const QStringList lines = LineBreaks::eventLines(events);
    for (const QString &line : lines) {
        if (const QString trap = SphereEventLine::trap(line); !trap.isEmpty())
            throw RuntimeError(trap);
    }
    return lines;
}
