// What a player's reply carries back: the server reads no more than it holds.
#include "sphere/DesignCheckRules.h"

#include "document/ScriptNesting.h"

namespace DesignCheck {

int replyBytesOfEntry(const QString &text) { return 4 + 2 * int(text.size()); }

// Loops are followed along the script lines, so that an entry inside one is
// known to come more than once.
void Rules::followLoops(const QString &scriptLine)
{
    const ScriptNesting::Statement s = ScriptNesting::statementOf(scriptLine);
    if (s.role == ScriptNesting::Role::Opener)
        m_loops.push_back(s.block == ScriptNesting::Block::For || s.block == ScriptNesting::Block::While);
    else if (s.role == ScriptNesting::Role::Closer && !m_loops.empty())
        m_loops.pop_back();
}

// The client sends every entry's text with each press, two bytes a letter;
// a reply past what the server reads at once makes it drop the player.
void Rules::checkReplySize(const QString &text)
{
    const int bytes = replyBytesOfEntry(text);
    const bool inLoop = std::find(m_loops.cbegin(), m_loops.cend(), true) != m_loops.cend();
    const int before = m_replyBytes;
    m_replyBytes += bytes;
    if (inLoop && bytes > MaxReplyBytesInLoop) {
        warn(CheckedFields::Text, QStringLiteral("inside a loop, each copy adds %1 bytes to the reply a press sends; "
                                                 "past %2 the server drops the player").arg(bytes).arg(MaxReplyBytes));
    } else if (before <= MaxReplyBytes && m_replyBytes > MaxReplyBytes) {
        warn(CheckedFields::Text, QStringLiteral("the entries' texts come to %1 bytes in the reply a press sends, past "
                                                 "the %2 the server reads: it drops the player").arg(m_replyBytes)
                                      .arg(MaxReplyBytes));
    }
}

} // namespace DesignCheck
