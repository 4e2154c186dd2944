#pragma once

#include "document/RecordWalker.h"
#include "sphere/RadioGroupLines.h"

#include <QHash>
#include <QMap>
#include <QSet>
#include <QString>
#include <QStringList>

#include <optional>
#include <utility>

// Writes a design as a Sphere script. Its parts live by what they write:
// SphereExport.cpp the structure (header, pages, sections, the line checks),
// ExportElements.cpp the element lines, ExportTexts.cpp the TEXT section and
// the kept texts and blocks, ExportButtons.cpp the button lines, their blocks
// and the event-line checks.
class ScriptWriter
{
public:
    ScriptWriter(const QStringList &lines, const QString &dialect, const QString &name, const QString &appDir,
                 QStringList &out);

    void write();
    // Only the element lines, texts written inline with "dtext".
    void writeElementsInline();

private:
    // structure
    void refuseNul() const;
    void refuseLongLines(qsizetype from) const;
    void writeBody();
    enum class PageFilter { All, OnlyZero, AllButZero };
    static bool isPageZero(const QString &page);
    bool pageZeroFollowsAnotherPage() const;
    void writePages(PageFilter filter);
    bool isRecent() const;
    bool isOld() const;
    // The last location, window flags and close block records and the first
    // NODISPOSE mark, found in one walk rather than one walk each.
    struct Marks { int location = -1, misc = -1, closeBlock = -1, noDispose = -1; bool script = false; };
    const Marks &marks();
    void writeSectionHeader(const QString &suffix);
    void writeHeader();
    void writeTrailer();
    void refuseLineBreakAfter(int recordLine, int fields) const;
    static QString number(const QString &field);

    // elements
    void writeElementOfLine(const RecordWalker &w);
    void writeElement(const RecordWalker &w);
    void writeNewerKind(const RecordWalker &w, const QString &position);
    bool mustStandInline(const QString &text) const;
    static QString place(const QString &field);
    static bool isSet(const QString &field);
    static QString dottedText(const QString &text);
    static QString gumpNumber(const QString &file);

    // texts
    QString textIndex(const QString &text);
    const QMap<int, QString> &keptTexts();
    QStringList textSection();
    void writeKeptBlocks();

    // buttons
    void writeButton(const RecordWalker &w, const QString &position);
    std::pair<int, int> buttonGumps(const QString &artName);
    QStringList readDecoder(const QString &artName);
    void writeCloseBlock();
    static QStringList checkedEvents(const QString &events);

    const QStringList &m_lines;
    const QString m_dialect;
    const QString m_name;
    QString m_appDir;
    QStringList &m_out;
    QMap<int, QString> m_texts; // TEXTHOLDER, by index
    struct Kept { QMap<int, QString> texts; QList<int> blocks; };
    std::optional<Kept> m_kept;
    static constexpr int MaxKeptIndex = 1 << 20; // a kept index past this is no TEXT line of a real dialog
    QStringList m_buttonBlocks; // BUTTONHOLDER
    QHash<QString, QStringList> m_decoders;
    QHash<QString, std::pair<int, int>> m_buttonGumps;
    int m_textCount = 0;
    RadioGroupLines m_groups;
    QHash<int, int> m_replies;       // button line -> reply number
    QSet<int> m_repliesWithBlock;
    bool m_inlineTexts = false;
    std::optional<Marks> m_marks;
};
