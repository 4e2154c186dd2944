#include "document/Document.h"
#include "platform/NumberText.h"
#include "platform/RuntimeError.h"
#include "platform/SphereEventLine.h"
#include "sphere/ScriptWriter.h"
#include "sphere/SphereScript.h"

// The TEXT section index the text is written at: the next one no kept
// TEXT line holds.
QString ScriptWriter::textIndex(const QString &text)
{
    while (keptTexts().contains(m_textCount))
        ++m_textCount;
    m_texts.insert(m_textCount, text);
    return QString::number(m_textCount++);
}

// The kept TEXT lines by index, and the kept button blocks in order.
const QMap<int, QString> &ScriptWriter::keptTexts()
{
    if (!m_kept) {
        m_kept.emplace();
        RecordWalker w(m_lines);
        while (w.next()) {
            if (w.item() == RecordWalker::Item::KeptText && w.complete()) {
                if (const auto index = NumberText::tryParse(w.field(1)); index && *index >= 0 && *index < MaxKeptIndex)
                    m_kept->texts.insert(*index, w.field(2));
            } else if (w.item() == RecordWalker::Item::KeptBlock && w.complete()) {
                m_kept->blocks << w.line();
            }
        }
    }
    return m_kept->texts;
}

// The TEXT section: each text at its index. An index no text holds any
// more (its element deleted) gets a stand-in, as an empty line would
// take no index and move every later one.
QStringList ScriptWriter::textSection()
{
    QStringList section;
    QMap<int, QString> all = keptTexts();
    for (auto it = m_texts.cbegin(); it != m_texts.cend(); ++it)
        all.insert(it.key(), it.value());
    int next = 0;
    for (auto it = all.cbegin(); it != all.cend(); ++it) {
        for (; next < it.key(); ++next)
            section << QStringLiteral(".");
        section << it.value();
        next = it.key() + 1;
    }
    return section;
}

void ScriptWriter::writeKeptBlocks()
{
    keptTexts();
    for (const int line : std::as_const(m_kept->blocks)) {
        const Document doc(m_lines);
        const QString marker = doc.line(line + 1);
        QStringList events;
        try {
            if (!SphereEventLine::marker(SphereScript::cleanLine(marker)).isMarker)
                throw RuntimeError(QStringLiteral("the block's marker \"%1\" is no ON= line").arg(marker));
            events = checkedEvents(doc.line(line + 2));
        } catch (const RuntimeError &e) {
            throw RuntimeError(QStringLiteral("Line %1: %2").arg(line + 1).arg(e.message()));
        }
        if (isRecent() || isOld())
            m_out << marker << events;
    }
}
