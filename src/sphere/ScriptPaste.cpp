#include "sphere/ScriptPaste.h"
#include "document/ElementClipboard.h"
#include "sphere/ButtonArtMatcher.h"
#include "sphere/SphereImport.h"
#include "sphere/SphereScript.h"

namespace ScriptPaste {

namespace {

const QString PastedDialog = QStringLiteral("pasted");

// The words the import makes elements of.
bool isControlWord(const QString &word)
{
    static const QStringList Controls = {QStringLiteral("resizepic"), QStringLiteral("gumppic"),
                                         QStringLiteral("button"), QStringLiteral("text"), QStringLiteral("dtext")};
    return Controls.contains(word);
}

} // namespace

bool holdsControlLines(const QString &text)
{
    for (const QString &raw : text.split(u'\n')) {
        if (isControlWord(SphereScript::statement(SphereScript::cleanLine(raw)).word))
            return true;
    }
    return false;
}

QStringList elementRecords(const QString &text, const QString &appDir)
{
    if (!holdsControlLines(text))
        return {};
    QStringList lines = text.split(u'\n');
    for (QString &line : lines)
        if (line.endsWith(u'\r'))
            line.chop(1);
    // Lines copied from inside a dialog get a header of their own; a copy
    // that holds a header is read as the first dialog it names.
    QString name = PastedDialog;
    bool headed = false;
    for (const QString &line : lines)
        if (const std::optional<QStringList> header = SphereScript::headerWords(SphereScript::cleanLine(line));
            header && header->size() >= 2 && header->first().compare(u"DIALOG", Qt::CaseInsensitive) == 0) {
            name = header->at(1);
            headed = true;
            break;
        }
    if (!headed)
        lines.prepend(QStringLiteral("[DIALOG %1]").arg(PastedDialog));
    ButtonArtMatcher buttons(appDir);
    const ImportResult result = SphereImport::importLines(lines, name, buttons);
    if (!result.imported)
        return {};
    return ElementClipboard::wholeRecords(result.lines);
}

} // namespace ScriptPaste
