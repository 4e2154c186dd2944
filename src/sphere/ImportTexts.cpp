#include "document/RecordWalker.h"
#include "platform/SphereLine.h"
#include "sphere/DialogImporter.h"

#include <QRegularExpression>

#include <algorithm>

// The TEXT section: each control's index becomes its string; the lines no
// control of the design refers to stay at their index, for the script's
// computed indices.

namespace {

// A word the script language would take for a function of the shard's: it
// may add controls of its own. Verbs on objects ("src.sysmessage") and
// assignments ("local.x=1") add none.
bool callsFunction(const SphereScript::Statement &s)
{
    // The server's own control words the design holds no element for, and
    // statements that add nothing.
    static const QStringList quiet = {QStringLiteral("dorigin"),      QStringLiteral("buttontileart"),
                                      QStringLiteral("itemproperty"), QStringLiteral("picinpic"),
                                      QStringLiteral("tooltip"),      QStringLiteral("xmfhtmltok"),
                                      QStringLiteral("return"),       QStringLiteral("break"),
                                      QStringLiteral("continue")};
    static const QRegularExpression name(QStringLiteral("^[a-z_][a-z0-9_]*$"));
    return name.match(s.word).hasMatch() && !s.rest.startsWith(u'=') && !quiet.contains(s.word);
}

} // namespace

// The server adds each inline control's string after the TEXT section's, in
// the order it runs them. Along the layout that order is certain until a
// loop, a random choice or a function may add strings, or the branches of a
// condition add different counts (or it may add some without an ELSE).
void DialogImporter::readTextList(const Section *textSection)
{
    m_hasTextSection = textSection != nullptr;
    m_textSectionSize = textSection ? int(textSection->body.size()) : 0;
    struct Block
    {
        ScriptNesting::Block block;
        QList<QList<std::optional<QString>>> branches{{}};
        bool hasElse = false;
    };
    std::vector<Block> open;
    const auto into = [&]() -> QList<std::optional<QString>> & {
        return open.empty() ? m_inlineStrings : open.back().branches.back();
    };
    for (const Line &line : m_layout.body) {
        const ScriptNesting::Statement nesting = ScriptNesting::statementOf(line.text);
        if (nesting.role == ScriptNesting::Role::Opener) {
            open.push_back({nesting.block});
            continue;
        }
        if (nesting.role == ScriptNesting::Role::Branch) {
            if (!open.empty()) {
                open.back().branches.append(QList<std::optional<QString>>());
                open.back().hasElse |= nesting.word == u"ELSE";
            }
            continue;
        }
        if (nesting.role == ScriptNesting::Role::Closer) {
            if (open.empty())
                continue;
            const Block b = open.back();
            open.pop_back();
            const qsizetype count = b.branches.first().size();
            const bool same = std::all_of(b.branches.cbegin(), b.branches.cend(),
                                          [&](const auto &branch) { return branch.size() == count; });
            if (count == 0 && same)
                continue;
            if (b.block == ScriptNesting::Block::Begin) {
                into() << b.branches.first();
            } else if (b.block == ScriptNesting::Block::If && b.hasElse && same) {
                // Which branch runs is not known, only how many strings it adds.
                for (qsizetype k = 0; k < count; ++k)
                    into() << std::nullopt;
            } else {
                m_inlineStringsComplete = false;
                break;
            }
            continue;
        }
        const Statement s = SphereScript::statement(line.text);
        const Control *control = controlOf(s.word);
        // The inline controls are the d-words of the table: their numbers stand before the text.
        if (control && s.word.startsWith(u'd')) {
            QString shown = textAfter(s, control->numbers);
            // dtext and dcroppedtext drop one leading ".".
            if ((s.word == u"dtext" || s.word == u"dcroppedtext") && shown.startsWith(u'.'))
                shown.remove(0, 1);
            into() << shown;
        } else if (!control && callsFunction(s)) {
            m_inlineStringsComplete = false;
            break;
        }
    }
    if (!open.empty())
        m_inlineStringsComplete = false;
}

void DialogImporter::resolveTexts(const Section *textSection)
{
    const QList<Line> none;
    const QList<Line> &body = textSection ? textSection->body : none;
    std::vector<bool> used(std::size_t(body.size()), false);
    for (const auto &[page, at] : m_textRecords) {
        QString &indexLine = m_pages[page][at];
        // The index goes to the client as written.
        const auto index = clientNumber(indexLine);
        if (index && *index >= 0 && *index < body.size()) {
            // The server keeps a TEXT line's leading blanks.
            const Line &text = body[*index];
            used[std::size_t(*index)] = true;
            indexLine = SphereLine::keptPart(text.raw).toString();
        } else {
            // The client shows nothing for a text that is not there.
            noteOf(0, {}, QStringLiteral("NO SUCH TEXT (") + indexLine + u')');
            indexLine.clear();
        }
    }
    for (std::size_t k = 0; k < used.size(); ++k) {
        if (used[k])
            continue;
        const Line &text = body[qsizetype(k)];
        const QString kept = SphereLine::keptPart(text.raw).toString();
        m_keptTexts << Records::KeptText << numberText(int(k)) << kept;
    }
}
