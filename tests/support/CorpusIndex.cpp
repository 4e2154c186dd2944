#include "support/CorpusIndex.h"

#include "platform/TextFile.h"

QList<CorpusEntry> corpusEntries(const QString &dir)
{
    QList<CorpusEntry> entries;
    QStringList lines;
    try {
        lines = TextFile::readLines(dir + "/INDEX.tsv");
    } catch (...) {
        return entries;
    }
    for (const QString &line : lines.mid(1)) {
        const QStringList f = line.split(u'\t');
        if (f.size() >= 8)
            entries.append({f[1], f[2], f[7] == u"1", f.value(9) == u"1"});
    }
    return entries;
}
