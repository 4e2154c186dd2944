#include "document/ScriptNesting.h"
#include "document/RecordWalker.h"

#include <algorithm>

namespace {

using Block = ScriptNesting::Block;
using Role = ScriptNesting::Role;

// The object loops of the script language, each closed by ENDFOR.
bool isForWord(const QString &word)
{
    static const QStringList loops = {
        QStringLiteral("FOR"), QStringLiteral("FORCHARS"), QStringLiteral("FORITEMS"), QStringLiteral("FOROBJS"),
        QStringLiteral("FORPLAYERS"), QStringLiteral("FORCLIENTS"), QStringLiteral("FORINSTANCES"),
        QStringLiteral("FORCONT"), QStringLiteral("FORCONTID"), QStringLiteral("FORCONTTYPE"),
        QStringLiteral("FORCHARLAYER"), QStringLiteral("FORCHARMEMORYTYPE"), QStringLiteral("FORTIMERF"),
    };
    return loops.contains(word);
}

} // namespace

ScriptNesting::Statement ScriptNesting::statementOf(QStringView line)
{
    Statement s;
    qsizetype at = 0;
    while (at < line.size() && line[at].isSpace())
        ++at;
    const qsizetype start = at;
    while (at < line.size() && line[at].isLetter())
        ++at;
    // "IFX" is a verb, "IF(", "IF <" and "IF" alone are the word.
    if (at < line.size() && !line[at].isSpace() && line[at] != u'(' && line[at] != u'<')
        return s;
    s.word = line.mid(start, at - start).toString().toUpper();
    const QString &w = s.word;
    if (w == u"IF")
        s = {Role::Opener, Block::If, w};
    else if (w == u"ELIF" || w == u"ELSEIF" || w == u"ELSE")
        s = {Role::Branch, Block::If, w};
    else if (w == u"ENDIF")
        s = {Role::Closer, Block::If, w};
    else if (isForWord(w))
        s = {Role::Opener, Block::For, w};
    else if (w == u"ENDFOR")
        s = {Role::Closer, Block::For, w};
    else if (w == u"WHILE")
        s = {Role::Opener, Block::While, w};
    else if (w == u"ENDWHILE")
        s = {Role::Closer, Block::While, w};
    else if (w == u"DORAND")
        s = {Role::Opener, Block::DoRand, w};
    else if (w == u"DOSWITCH")
        s = {Role::Opener, Block::DoSwitch, w};
    else if (w == u"ENDDO")
        s = {Role::Closer, Block::DoRand, w}; // closes DOSWITCH too
    else if (w == u"BEGIN")
        s = {Role::Opener, Block::Begin, w};
    else if (w == u"END")
        s = {Role::Closer, Block::Begin, w};
    return s;
}

QString ScriptNesting::openerWord(Block block)
{
    switch (block) {
    case Block::If: return QStringLiteral("IF");
    case Block::For: return QStringLiteral("FOR");
    case Block::While: return QStringLiteral("WHILE");
    case Block::DoRand: return QStringLiteral("DORAND");
    case Block::DoSwitch: return QStringLiteral("DOSWITCH");
    case Block::Begin: return QStringLiteral("BEGIN");
    case Block::None: break;
    }
    return QString();
}

QString ScriptNesting::closerWord(Block block)
{
    switch (block) {
    case Block::If: return QStringLiteral("ENDIF");
    case Block::For: return QStringLiteral("ENDFOR");
    case Block::While: return QStringLiteral("ENDWHILE");
    case Block::DoRand:
    case Block::DoSwitch: return QStringLiteral("ENDDO");
    case Block::Begin: return QStringLiteral("END");
    case Block::None: break;
    }
    return QString();
}

static bool closes(Block closer, Block open)
{
    return closer == open || (closer == Block::DoRand && open == Block::DoSwitch);
}

ScriptNesting::Place ScriptNesting::current() const
{
    Place p;
    p.depth = depth();
    if (!m_open.empty()) {
        p.span = m_open.back();
        p.branch = int(m_spans[std::size_t(p.span)].branches.size());
    }
    return p;
}

void ScriptNesting::remember(int line, const Place &place)
{
    m_places.emplace_back(line, place);
}

ScriptNesting::Place ScriptNesting::other(int line)
{
    const Place p = current();
    remember(line, p);
    return p;
}

ScriptNesting::Place ScriptNesting::statement(int line, QStringView text)
{
    ++m_statements;
    const Statement s = statementOf(text);
    switch (s.role) {
    case Role::Plain: return other(line);
    case Role::Opener: {
        const Place p = other(line);
        Span span;
        span.block = s.block;
        span.open = line;
        span.parent = m_open.empty() ? -1 : m_open.back();
        span.word = s.word;
        m_spans.push_back(span);
        m_open.push_back(int(m_spans.size()) - 1);
        return p;
    }
    case Role::Branch: {
        if (m_open.empty() || m_spans[std::size_t(m_open.back())].block != Block::If) {
            m_faults.push_back({line, s.word + QStringLiteral(" without IF")});
            return other(line);
        }
        Span &span = m_spans[std::size_t(m_open.back())];
        Place p = current();
        // The branch line stands in the block around its IF.
        p.depth -= 1;
        p.span = span.parent;
        p.branch = span.parent < 0 ? 0 : int(m_spans[std::size_t(span.parent)].branches.size());
        remember(line, p);
        span.branches << line;
        return p;
    }
    case Role::Closer: break;
    }
    // A closer closes the innermost block it matches; blocks opened inside
    // that one were never closed.
    const auto match = std::find_if(m_open.rbegin(), m_open.rend(),
                                    [&](int k) { return closes(s.block, m_spans[std::size_t(k)].block); });
    if (match == m_open.rend()) {
        m_faults.push_back({line, s.word + QStringLiteral(" without ") + openerWord(s.block)});
        return other(line);
    }
    while (m_open.back() != *match) {
        const Span &inner = m_spans[std::size_t(m_open.back())];
        m_faults.push_back({inner.open, inner.word + QStringLiteral(" without ") + closerWord(inner.block)});
        m_open.pop_back();
    }
    m_spans[std::size_t(*match)].close = line;
    m_open.pop_back();
    return other(line);
}

void ScriptNesting::finish()
{
    while (!m_open.empty()) {
        const Span &inner = m_spans[std::size_t(m_open.back())];
        m_faults.push_back({inner.open, inner.word + QStringLiteral(" without ") + closerWord(inner.block)});
        m_open.pop_back();
    }
    std::stable_sort(m_faults.begin(), m_faults.end(), [](const Fault &a, const Fault &b) { return a.line < b.line; });
}

ScriptNesting::Place ScriptNesting::placeOf(int line) const
{
    const auto at = std::lower_bound(m_places.begin(), m_places.end(), line,
                                     [](const std::pair<int, Place> &p, int l) { return p.first < l; });
    return at != m_places.end() && at->first == line ? at->second : Place();
}

ScriptNesting ScriptNesting::ofDesign(const QStringList &lines)
{
    ScriptNesting nesting;
    RecordWalker w(lines);
    while (w.next()) {
        if (w.item() == RecordWalker::Item::Element && Records::isScript(w.kind()))
            nesting.statement(w.line(), w.field(Records::ScriptLineField));
        else
            nesting.other(w.line());
    }
    nesting.finish();
    return nesting;
}
