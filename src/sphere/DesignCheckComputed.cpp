// Fields the server computes: where what it computes reaches the client otherwise.
#include "sphere/DesignCheckRules.h"

#include "document/FieldValue.h"
#include "platform/SphereLine.h"
#include "sphere/SphereDialect.h"

#include <QRegularExpression>

namespace DesignCheck {

namespace {

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
// client to read that as decimal, and a relative place as no place at all.
void Rules::checkPassedVariables(const RecordWalker &w)
{
    const int textField = Records::textFieldOf(w.kind());
    if ((textField > 0 && (SphereLine::readsAsBlank(w.field(textField)) || SphereLine::startsSection(w.field(textField))))
        || SphereDialect::inlineForComputed(m_dialect, w))
        return; // written inline, where the server reads every number itself
    static const QRegularExpression variable(QStringLiteral("<\\s*(local|var|tag|ctag|def)\\.([^<>\\s]+)\\s*>"),
                                             QRegularExpression::CaseInsensitiveOption);
    for (const int k : SphereDialect::passedAsWritten(w.kind())) {
        const QString field = w.field(k);
        if (k <= 2 && FieldValue::formOf(field) == FieldValue::Form::Relative) {
            warn(CheckedFields::nameOf(w.kind(), k),
                 QStringLiteral("the place \"%1\" goes to the client as written, which does not read it from the "
                                "origin; dialect %2 writes this control only in the form the server passes on")
                     .arg(field, m_dialect));
            continue;
        }
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
