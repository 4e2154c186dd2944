#include "CommandLine.h"
#include "Commands.h"

#include "document/Document.h"
#include "platform/NumberText.h"
#include "sphere/SphereExport.h"

#include <QDir>

#include <cstdio>

namespace {

// Answers the export's questions from the command line instead of windows.
class CommandLineHost : public ExportHost
{
public:
    CommandLineHost(Document &doc, QString x, QString y, QString name)
        : m_doc(doc), m_x(std::move(x)), m_y(std::move(y)), m_name(std::move(name)) {}

    void runLocationCommand() override { m_doc.setLocation(m_x, m_y); }
    void runMiscCommand() override { m_doc.setWindowFlags(false, false); }
    std::optional<QString> askDialogName() override { return m_name; }

private:
    Document &m_doc;
    const QString m_x, m_y, m_name;
};

// "X,Y" with whole numbers 0 or above, as the Location window allows.
std::pair<QString, QString> parseLocation(const QString &text)
{
    const QStringList parts = text.split(u',');
    if (parts.size() == 2) {
        const auto x = NumberText::tryParse(parts[0].trimmed());
        const auto y = NumberText::tryParse(parts[1].trimmed());
        if (x && y && *x >= 0 && *y >= 0)
            return {QString::number(*x), QString::number(*y)};
    }
    throw UsageError(QStringLiteral("--location needs X,Y with whole numbers 0 or above, not '%1'").arg(text));
}

} // namespace

int runExportCommand(const QStringList &args)
{
    const ParsedArguments parsed =
        parseArguments(args, {QStringLiteral("--name"), QStringLiteral("--dialect"), QStringLiteral("--location"),
                              QStringLiteral("--data"), QStringLiteral("--client"), QStringLiteral("--encoding")});
    if (parsed.positional.size() != 1)
        throw UsageError(QStringLiteral("export needs exactly one design file"));
    const QString name = parsed.required(QStringLiteral("--name"));
    const QString dialect = dialectOption(parsed);
    const auto [x, y] = parseLocation(parsed.value(QStringLiteral("--location"), QStringLiteral("0,0")));
    const QString appDir = dataFolderOption(parsed);
    SphereDialect::Encoding encoding = SphereDialect::defaultEncoding(dialect);
    if (parsed.has(QStringLiteral("--encoding"))) {
        const auto named = SphereDialect::encodingNamed(parsed.value(QStringLiteral("--encoding")));
        if (!named)
            throw UsageError(QStringLiteral("--encoding is utf-8 or 8-bit, not '%1'")
                                 .arg(parsed.value(QStringLiteral("--encoding"))));
        encoding = *named;
    }

    // The script names gumps by number and reads no picture; a client folder
    // given is still checked, so that a mistyped one is not passed over.
    if (parsed.has(QStringLiteral("--client")))
        openClientArt(parsed.value(QStringLiteral("--client")));

    Document doc(Document::loadProjectFile(parsed.positional.first()));
    CommandLineHost host(doc, x, y, name);
    QStringList script;
    runSphereExport(doc, dialect, appDir, host, script);

    // Nothing is printed unless the whole script was written.
    const QByteArray out = encodeScript(script, encoding, "\n");
    std::fwrite(out.constData(), 1, size_t(out.size()), stdout);
    return std::fflush(stdout) == 0 ? 0 : 1;
}
