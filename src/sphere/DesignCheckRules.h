#pragma once

// The check's rules, one class spread over files by what they check:
// DesignCheck.cpp walks the design and checks places, pages and the layout,
// DesignCheckTexts.cpp texts, DesignCheckButtons.cpp buttons and event lines,
// DesignCheckKinds.cpp pictures and the kinds beyond the classic four,
// DesignCheckComputed.cpp fields the server computes, DesignCheckReplies.cpp
// what a press's reply carries.
#include "sphere/CheckedFields.h"
#include "sphere/DesignCheck.h"

#include "document/RecordWalker.h"

#include <QHash>
#include <QList>
#include <QMap>
#include <QSize>
#include <QString>
#include <QStringBuilder>
#include <QStringList>

#include <map>
#include <vector>
#include <optional>

class ArtCatalog;

namespace DesignCheck {

class Rules
{
public:
    Rules(const QStringList &lines, ArtCatalog *art, const QString &dialect)
        : m_lines(lines), m_art(art), m_dialect(dialect) {}

    QList<DesignProblem> run();

    // Plain decimal text the server reads as the same number: an optional
    // sign and up to ten digits within 32 bits.
    static std::optional<int> decimalValue(const QString &text);
    // A file name without its folders and its four-letter extension.
    static QString bareName(const QString &fileName);

private:
    using Severity = DesignProblem::Severity;

    void report(Severity severity, const QString &field, const QString &message)
    {
        m_problems.append({m_line, severity, m_kind % QStringLiteral(": ") % message, field}); // one allocation
    }
    void warn(const QString &field, const QString &message) { report(Severity::Warning, field, message); }
    void inform(const QString &field, const QString &message) { report(Severity::Information, field, message); }
    void fail(const QString &field, const QString &message) { report(Severity::Error, field, message); }
    // Advice about the design, not about how the server reads it.
    void advise(const QString &message) { report(Severity::Warning, QString(), message); }

    // A field the server reads as a number, called `label` in the message
    // and `field` in the entry. Gives its value when it is one.
    std::optional<int> number(const QString &label, const QString &text, const QString &field);

    bool isOldDialect() const;
    bool isRecentDialect() const;

    // DesignCheck.cpp
    void readOrigin();
    void checkWindowFlags(const RecordWalker &w);
    void checkLocation(const RecordWalker &w);
    void checkPage(const RecordWalker &w);
    void checkElement(const RecordWalker &w);
    void checkOnScreen(int x, int y, QSize size);
    void checkOverlap(ElementKind kind, int x, int y);
    void checkPageLinks();
    void checkRadioGroups();
    void checkSharedFirsts();

    // DesignCheckTexts.cpp
    void checkText(const RecordWalker &w);
    // inlined: the export writes the control inline for a field the server computes.
    void checkShownText(ElementKind kind, const QString &text, bool inlined = false);
    void countText(const QString &text);

    // DesignCheckButtons.cpp
    QSize checkButton(const RecordWalker &w);
    void checkEvents(const QString &events);
    void checkSharedReply(int reply, const QString &events);
    QSize buttonArt(const QString &art);

    // DesignCheckKinds.cpp
    QSize checkGumppic(const QString &fileName);
    QSize checkResizepic(const RecordWalker &w);
    QSize checkNewerKind(const RecordWalker &w);
    void checkOldDialectFields(const RecordWalker &w);
    void checkOtherNumbers(const RecordWalker &w);
    void checkShared(QHash<int, int> &seen, int id, const QString &what);
    void missingPicture(const QString &name);

    // DesignCheckComputed.cpp
    void checkPassedVariables(const RecordWalker &w);

    // DesignCheckReplies.cpp
    void followLoops(const QString &scriptLine);
    void checkReplySize(const QString &text);

    struct RadioGroup { int line = 0; bool checked = false; };

    const QStringList &m_lines;
    ArtCatalog *const m_art;
    const QString m_dialect;
    QHash<int, int> m_entryIds, m_switchIds; // id -> line of the first element holding it
    std::map<std::pair<int, int>, RadioGroup> m_radioGroups; // page, group -> first radio line
    QList<DesignProblem> m_problems;
    QHash<int, std::pair<int, QString>> m_firstWithReply; // reply -> line and events of its first button
    struct SharedReply { int line, reply, other; };
    QList<SharedReply> m_sharedFirsts;                    // first buttons whose reply a later one shares
    int m_line = 0;
    QString m_kind;
    ElementKind m_elementKind = ElementKind::None;
    int m_originX = 0, m_originY = 0;
    int m_texts = 0, m_replies = 0;
    int m_replyBytes = ReplyHeadBytes;    // what the entries so far add to a press's reply
    std::vector<bool> m_loops;            // the script blocks open, true for a loop
    QMap<int, int> m_pageLines;           // page number -> line of its first bracket
    QList<std::pair<int, int>> m_pageButtons; // line, page it switches to
    // Page and kind, and position -> line of the first element there.
    using PositionKey = std::pair<qint64, qint64>;
    QHash<PositionKey, int> m_positions;
    int m_pageId = 0;                     // the page's number, or a number of its own for one that has none
    int m_unnumberedPages = 0;
};

} // namespace DesignCheck
