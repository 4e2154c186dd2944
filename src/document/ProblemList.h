#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// One thing found wrong with the open design.
struct Problem
{
    // Information: what the check notes that is meant more often than not.
    enum class Severity { Error, Warning, Information };

    int line = 0;             // document line counted from 1; 0 when it names none
    QString message;
    Severity severity = Severity::Warning;
    QString source;           // who found it: "Render", "Open", ...

    bool operator==(const Problem &) const = default;
};

// The problems the designer has found, grouped by who found them. Each
// source replaces its own entries; entries a source gave for one state of
// the document are dropped once the document changes.
class ProblemList
{
public:
    inline static const QString RenderSource = QStringLiteral("Render");
    inline static const QString OpenSource = QStringLiteral("Open");

    // The entries of source become problems. With documentLines given, they
    // hold only while the document reads that way (see documentChanged).
    void setProblems(const QString &source, const QList<Problem> &problems);
    void setProblems(const QString &source, const QList<Problem> &problems, const QStringList &documentLines);

    // Drops the entries given for a document that no longer reads as lines.
    // True when entries were dropped.
    bool documentChanged(const QStringList &lines);

    void clear();
    const QList<Problem> &entries() const { return m_entries; }
    bool isEmpty() const { return m_entries.isEmpty(); }

    // Where a problem lies in the design: the page, and the element whose
    // record holds its line (0 and no entry for a page bracket).
    struct Place
    {
        QString page;
        int elementLine = 0;  // kind word line, 0 for none
        QString element;      // as the select list names it: "Button at 20 30 Useing okay"
    };
    static std::optional<Place> placeOf(const Problem &problem, const QStringList &lines);

    // As the panel lists it: "Page 1, Button at 20 30 Useing okay: close
    // flag ..."; a problem on no element or page reads as its message.
    static QString entryText(const Problem &problem, const QStringList &lines);

    // The import's notes on the script, tied by the caller to the imported design.
    inline static const QString ImportSource = QStringLiteral("Import");

private:
    struct Group
    {
        QString source;
        QStringList documentLines;
        bool tiedToDocument = false;
        QList<Problem> problems;
    };
    void store(Group group);
    void rebuild();

    QList<Group> m_groups;
    QList<Problem> m_entries;
};
