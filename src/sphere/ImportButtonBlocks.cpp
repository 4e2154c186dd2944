#include "document/ButtonReplies.h"
#include "document/RecordWalker.h"
#include "platform/SphereEventLine.h"
#include "sphere/DialogImporter.h"

#include <unordered_map>

// The BUTTON section. A block that answers one reply goes to the buttons
// sending it as their events; the block of reply 0 is the close block; every
// other block (a range, computed replies, one no button answers, one an
// earlier block hides) is kept as a block of the dialog, as written.

namespace {

struct ButtonBlock
{
    QString marker;                        // as written
    std::optional<std::pair<int, int>> range;
    QStringList lines;
    QList<int> numbers;                    // of the lines in the file
    bool attached = false;

    bool single(int reply) const { return range && range->first == reply && range->second == reply; }
    bool answers(int reply) const { return range && range->first <= reply && reply <= range->second; }
};

QString withoutTrailingBlanks(QString text)
{
    while (!text.isEmpty() && text.back().isSpace())
        text.chop(1);
    return text;
}

std::vector<ButtonBlock> buttonBlocks(const SphereScript::Section &section)
{
    // Comment lines stand among the others, in file order.
    QList<const SphereScript::Line *> lines;
    lines.reserve(section.body.size() + section.comments.size());
    qsizetype c = 0;
    for (const SphereScript::Line &line : section.body) {
        while (c < section.comments.size() && section.comments[c].number < line.number)
            lines << &section.comments[c++];
        lines << &line;
    }
    while (c < section.comments.size())
        lines << &section.comments[c++];

    std::vector<ButtonBlock> blocks;
    for (const SphereScript::Line *line : std::as_const(lines)) {
        const SphereEventLine::Marker marker = line->text.isEmpty() ? SphereEventLine::Marker()
                                                                    : SphereEventLine::marker(line->text);
        if (marker.isMarker) {
            blocks.push_back(ButtonBlock{withoutTrailingBlanks(line->raw).trimmed(), marker.range, {}, {}, false});
        } else if (!blocks.empty()) {
            blocks.back().lines << withoutTrailingBlanks(line->raw);
            blocks.back().numbers << line->number;
        }
    }
    return blocks;
}

} // namespace

void DialogImporter::attachButtonBlocks(const Section *buttonSection)
{
    std::vector<ButtonBlock> blocks = buttonSection ? buttonBlocks(*buttonSection) : std::vector<ButtonBlock>();
    const auto events = [](const ButtonBlock &b) { return b.lines.join(QStringLiteral("\r\n")); };
    // The block the server runs when the dialog is closed with the right mouse button.
    for (ButtonBlock &b : blocks) {
        if (b.answers(0)) {
            if (b.single(0)) {
                m_closeBlock = events(b);
                b.attached = true;
            }
            break;
        }
    }
    if (!m_buttonRecords.empty() && !buttonSection) {
        noteOf(0, {}, SphereImport::NoButtonSection);
        keepRepliesWithoutEvents();
        return;
    }
    // The first block that answers a reply: single replies by lookup, the few
    // others by a walk over those before it.
    std::unordered_map<int, std::size_t> firstSingle;
    std::vector<std::size_t> others;
    for (std::size_t b = 0; b < blocks.size(); ++b) {
        if (blocks[b].range && blocks[b].range->first == blocks[b].range->second)
            firstSingle.try_emplace(blocks[b].range->first, b);
        else
            others.push_back(b);
    }
    for (const auto &[page, at] : m_buttonRecords) {
        QStringList &records = m_pages[page];
        const int reply = records[at + 7].toInt();
        std::size_t found = blocks.size();
        if (reply != 0) {
            if (const auto single = firstSingle.find(reply); single != firstSingle.end())
                found = single->second;
            for (const std::size_t b : others) {
                if (b >= found)
                    break;
                if (blocks[b].answers(reply))
                    found = b;
            }
        }
        // The reply stays the script's: its handlers may tell buttons apart by it.
        ButtonReplies::Flag flag;
        if (reply > 0)
            flag.kept = reply;
        // A range or the close block stays one block of the dialog, written once.
        flag.events = found < blocks.size() && blocks[found].single(reply);
        records[at + 6] = ButtonReplies::flagText(flag);
        records[at + 7] = flag.events ? events(blocks[found]) : QString();
        if (flag.events)
            blocks[found].attached = true;
    }
    for (const ButtonBlock &b : blocks) {
        if (b.attached)
            continue;
        m_keptBlocks << Records::KeptBlock << b.marker << events(b);
    }
}

void DialogImporter::keepRepliesWithoutEvents()
{
    for (const auto &[page, at] : m_buttonRecords) {
        QStringList &records = m_pages[page];
        ButtonReplies::Flag flag;
        if (const int reply = records[at + 7].toInt(); reply > 0)
            flag.kept = reply;
        records[at + 6] = ButtonReplies::flagText(flag);
        records[at + 7].clear();
    }
}
