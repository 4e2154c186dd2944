#pragma once

#include <QList>
#include <QString>

// The real dialogs of ../shared/corpus/sphere-dialogs, as INDEX.tsv lists them.
struct CorpusEntry
{
    QString file, dialog;
    bool simple = false;     // simple_layout: only the four kinds, pages and window flags
    bool isStatic = false;   // no script lines, no d-controls, no <...>
};

// Empty when the folder or its index is missing.
QList<CorpusEntry> corpusEntries(const QString &dir);
