#include "support/CorpusIndex.h"

#include "platform/TextFile.h"

#include <QRegularExpression>

QList<CorpusEntry> dynamicCorpusEntries(const QString &dir)
{
    QList<CorpusEntry> entries = corpusEntries(dir);
    entries.removeIf([](const CorpusEntry &e) { return e.isStatic; });
    return entries;
}

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

QByteArray renamedDialog(const QByteArray &bytes, const QString &dialog, const QString &name)
{
    QString text = QString::fromLatin1(bytes);
    const QRegularExpression header(
        QStringLiteral("^((?:\u00EF\u00BB\u00BF)?\\s*\\[dialog\\s+)%1(\\s+(?:text|button|prebutton))?\\s*\\]")
            .arg(QRegularExpression::escape(dialog)),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::MultilineOption);
    text.replace(header, QStringLiteral("\\1%1\\2]").arg(name));
    return text.toLatin1();
}
