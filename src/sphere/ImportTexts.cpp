#include "document/RecordWalker.h"
#include "platform/SphereLine.h"
#include "sphere/DialogImporter.h"

// The TEXT section: each control's index becomes its string; the lines no
// control of the design refers to stay at their index, for the script's
// computed indices.

void DialogImporter::resolveTexts(const Section *textSection)
{
    if (!textSection) {
        if (!m_textRecords.empty())
            noteOf(0, {}, SphereImport::NoTextSection);
        return;
    }
    std::vector<bool> used(std::size_t(textSection->body.size()), false);
    for (const auto &[page, at] : m_textRecords) {
        QString &indexLine = m_pages[page][at];
        // The index goes to the client as written.
        const auto index = clientNumber(indexLine);
        if (index && *index >= 0 && *index < textSection->body.size()) {
            // The server keeps a TEXT line's leading blanks.
            const Line &text = textSection->body[*index];
            used[std::size_t(*index)] = true;
            indexLine = SphereLine::keptPart(text.raw).toString();
            noteUnstorable(text.number, indexLine);
        } else {
            // The client shows nothing for a text that is not there.
            noteOf(0, {}, QStringLiteral("NO SUCH TEXT (") + indexLine + u')');
            indexLine.clear();
        }
    }
    for (std::size_t k = 0; k < used.size(); ++k) {
        if (used[k])
            continue;
        const Line &text = textSection->body[qsizetype(k)];
        const QString kept = SphereLine::keptPart(text.raw).toString();
        noteUnstorable(text.number, kept);
        m_keptTexts << Records::KeptText << numberText(int(k)) << kept;
    }
}
