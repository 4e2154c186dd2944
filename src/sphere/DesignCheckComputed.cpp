// Fields the server computes: where what it computes reaches the client otherwise.
#include "sphere/DesignCheckRules.h"

#include "platform/SphereLine.h"

#include <QRegularExpression>

namespace DesignCheck {

namespace {

// The fields a kind's control passes to the client as written (the server
// reads the others as numbers), when it is not written inline.
QList<int> passedAsWritten(ElementKind kind)
{
    switch (kind) {
    case ElementKind::Text: return {1, 2, 3};
    case ElementKind::Croppedtext: return {1, 2, 3, 4, 5};
    case ElementKind::Htmlgump: return {1, 2, 3, 4, 5, 6};
    case ElementKind::Textentry: return {1, 2, 3, 4, 5, 6, 7};
    case ElementKind::Gumppichue:
    case ElementKind::Tilepic: return {4};
    case ElementKind::Xmfhtmlgump: return {8};
    default: return {};
    }
}

// "<eval …>" around the whole field: the server writes its value in decimal.
bool isWholeEval(const QString &field)
{
    const QString t = field.trimmed();
    static const QRegularExpression eval(QStringLiteral("^<\\s*eval[\\s(]"), QRegularExpression::CaseInsensitiveOption);
    if (!eval.match(t).hasMatch() || !t.endsWith(u'>'))
        return false;
    int depth = 0;
    for (qsizetype i = 0; i < t.size(); ++i) {
        depth += t[i] == u'<' ? 1 : t[i] == u'>' ? -1 : 0;
        if (depth == 0 && i + 1 < t.size())
            return false;
    }
    return true;
}

} // namespace

// The server keeps numbers in variables and writes them in hexadecimal
// ("0DD" for 221); a control that passes the field on as written leaves the
// client to read that as decimal.
void Rules::checkPassedVariables(const RecordWalker &w)
{
    const int textField = Records::textFieldOf(w.kind());
    if (textField > 0 && (SphereLine::readsAsBlank(w.field(textField)) || SphereLine::startsSection(w.field(textField))))
        return; // written inline, where the server reads every number itself
    static const QRegularExpression variable(QStringLiteral("<\\s*(local|var|tag|ctag|def)\\.([^<>\\s]+)\\s*>"),
                                             QRegularExpression::CaseInsensitiveOption);
    for (const int k : passedAsWritten(w.kind())) {
        const QString field = w.field(k);
        if (!field.contains(u'<'))
            continue;   // most fields: no expression to match
        const QRegularExpressionMatch m = variable.match(field);
        if (!m.hasMatch() || isWholeEval(field))
            continue;
        warn(CheckedFields::nameOf(w.kind(), k),
             QStringLiteral("\"%1\" goes to the client as written, and the server writes the number of %2 in "
                            "hexadecimal (\"0DD\" for 221), which the client reads otherwise; write <eval %2>")
                 .arg(field, m.captured(0)));
    }
}

} // namespace DesignCheck
