#include "sphere/ScriptPaste.h"
#include "document/ElementClipboard.h"
#include "document/ScriptNesting.h"
#include "sphere/ButtonArtMatcher.h"
#include "sphere/SphereImport.h"
#include "sphere/SphereScript.h"

#include <algorithm>

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
    // Script logic counts when a block of it is whole: "IF ... ENDIF", not a sentence beginning with "if".
    ScriptNesting nesting;
    int number = 0;
    for (const QString &raw : text.split(u'\n')) {
        const QString line = SphereScript::cleanLine(raw);
        if (isControlWord(SphereScript::statement(line).word))
            return true;
        nesting.statement(number++, line);
    }
    nesting.finish();
    return std::any_of(nesting.spans().begin(), nesting.spans().end(),
                       [](const ScriptNesting::Span &span) { return span.close >= 0; });
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
