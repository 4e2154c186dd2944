#pragma once

#include <QByteArray>
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
// Only the dialogs that hold script logic, d-controls or <...>.
QList<CorpusEntry> dynamicCorpusEntries(const QString &dir);

// A script's bytes with the sections of its dialog renamed, so that dialogs
// of one name in several files can stand in one server.
QByteArray renamedDialog(const QByteArray &bytes, const QString &dialog, const QString &name);
