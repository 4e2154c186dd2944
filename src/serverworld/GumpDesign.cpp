#include "serverworld/GumpDesign.h"

#include "sphere/ButtonArtMatcher.h"

namespace {

constexpr const char *CaptureName = "d_quillmark_capture";

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
    QStringList script;
    script << QStringLiteral("[DIALOG %1]").arg(name);
    script << QStringLiteral("%1,%2").arg(gump.x).arg(gump.y);
    for (const QStringList &control : gump.controls) {
        const QString line = scriptControl(control);
        // A line starting with "[" would end the section.
        if (!line.isEmpty() && !line.startsWith(u'['))
            script << line;
    }
    script << QString() << QStringLiteral("[DIALOG %1 TEXT]").arg(name);
    for (const QString &text : gump.texts) {
        QString line = text;
        line.replace(u'\r', u' ').replace(u'\n', u' ');
        script << line;
    }
    script << QString() << QStringLiteral("[EOF]");
    return script;
}

ImportResult designOf(const ReceivedGump &gump, const QString &appDir)
{
    const QString name = QLatin1String(CaptureName);
    ButtonArtMatcher buttons(appDir);
    ImportResult result = SphereImport::importLines(scriptOf(gump, name), name, buttons);
    // What a button does stays with the server; the capture holds its reply only.
    result.notes.removeIf([](const ImportNote &n) { return n.message == SphereImport::NoButtonSection; });
    result.errors.removeAll(SphereImport::NoButtonSection);
    return result;
}

} // namespace GumpDesign
