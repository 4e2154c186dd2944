#include "serverworld/GumpDesign.h"

#include "sphere/ButtonArtMatcher.h"

namespace {

constexpr const char *CaptureName = "d_quillmark_capture";
// A text index no TEXT section reaches.
constexpr int NoText = 65535;

// Where a control's TEXT index stands among its words; 0 for none.
int textIndexAt(const QString &word)
{
    const QString w = word.toLower();
    if (w == u"text")
        return 4;
    if (w == u"htmlgump")
        return 5;
    if (w == u"croppedtext")
        return 6;
    if (w == u"textentry" || w == u"textentrylimited")
        return 7;
    return 0;
}

// The server adds its own controls' words; a script writes them as values.
QString scriptControl(const QStringList &words)
{
    if (words.isEmpty())
        return {};
    QStringList out = words;
    const QString word = words[0].toLower();
    if (word == u"gumppic" && out.size() >= 5 && out[4].startsWith(u"hue=", Qt::CaseInsensitive))
        out[4] = out[4].mid(4);
    return out.join(u' ');
}

} // namespace

namespace GumpDesign {

QStringList scriptOf(const ReceivedGump &gump, const QString &name)
{
    // Each text a control shows gets a TEXT line of its own, in control
    // order. A text that is empty or not there points past the section, so
    // the control shows nothing, as the client shows it; a blank line would
    // not count as a TEXT line at all.
    QStringList texts;
    QStringList layout;
    for (const QStringList &control : gump.controls) {
        QStringList words = control;
        const int at = textIndexAt(words.value(0));
        if (at > 0 && at < words.size()) {
            bool ok = false;
            const qsizetype index = words[at].toLongLong(&ok);
            QString text = ok && index >= 0 && index < gump.texts.size() ? gump.texts[index] : QString();
            text.replace(u'\r', u' ').replace(u'\n', u' ');
            if (text.trimmed().isEmpty() || text.trimmed().startsWith(u'[')) {
                words[at] = QString::number(NoText);
            } else {
                words[at] = QString::number(texts.size());
                texts << text;
            }
        }
        const QString line = scriptControl(words);
        // A line starting with "[" would end the section.
        if (!line.isEmpty() && !line.startsWith(u'['))
            layout << line;
    }
    QStringList script;
    script << QStringLiteral("[DIALOG %1]").arg(name);
    script << QStringLiteral("%1,%2").arg(gump.x).arg(gump.y);
    script << layout;
    script << QString() << QStringLiteral("[DIALOG %1 TEXT]").arg(name);
    script << texts;
    script << QString() << QStringLiteral("[EOF]");
    return script;
}

ImportResult designOf(const ReceivedGump &gump, const QString &appDir)
{
    const QString name = QLatin1String(CaptureName);
    ButtonArtMatcher buttons(appDir);
    ImportResult result = SphereImport::importLines(scriptOf(gump, name), name, buttons);
    // What a button does stays with the server; the capture holds its reply
    // only. An empty text was sent empty.
    const auto leftOut = [](const QString &message) {
        return message == SphereImport::NoButtonSection || message.startsWith(QLatin1String("NO SUCH TEXT"))
               || message == SphereImport::NoTextSection;
    };
    result.notes.removeIf([&](const ImportNote &n) { return leftOut(n.message); });
    result.errors.removeIf(leftOut);
    return result;
}

} // namespace GumpDesign
