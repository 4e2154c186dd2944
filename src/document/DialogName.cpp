#include "document/DialogName.h"
#include "document/DocumentHistory.h"
#include "document/RecordWalker.h"

namespace {

int lastRecord(const QStringList &lines)
{
    int found = -1;
    RecordWalker w(lines);
    while (w.next())
        if (w.item() == RecordWalker::Item::Other && lines[w.line()] == Records::DialogName)
            found = w.line();
    return found;
}

class SetDialogName : public DocumentStep
{
public:
    SetDialogName(EditorState &s, StepRecord r) : DocumentStep(s, std::move(r), QStringLiteral("Dialog Name")) {}
};

} // namespace

namespace DialogName {

QString of(const QStringList &lines)
{
    const int at = lastRecord(lines);
    return at < 0 ? QString() : lines.value(at + 1);
}

QStringList withName(QStringList lines, const QString &name)
{
    const int at = lastRecord(lines);
    if (at < 0)
        return lines << Records::DialogName << name;
    while (lines.size() < at + Records::DialogNameLength)
        lines << QString();
    lines[at + 1] = name;
    return lines;
}

bool store(EditorState &state, const QString &name)
{
    if (lastRecord(state.DATA.lines()) >= 0 && of(state.DATA.lines()) == name)
        return false;
    recordStep<SetDialogName>(state, [&] { state.DATA.replaceAll(withName(state.DATA.lines(), name)); });
    return true;
}

} // namespace DialogName
