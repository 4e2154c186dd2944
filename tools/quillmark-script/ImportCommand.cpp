#include "CommandLine.h"
#include "Commands.h"

#include "document/DialogName.h"
#include "document/Document.h"
#include "sphere/SphereImport.h"

#include <QDir>

#include <cstdio>

int runImportCommand(const QStringList &args)
{
    const ParsedArguments parsed =
        parseArguments(args, {QStringLiteral("--name"), QStringLiteral("--out"), QStringLiteral("--data")});
    if (parsed.positional.size() != 1)
        throw UsageError(QStringLiteral("import needs exactly one script file"));
    const QString name = parsed.required(QStringLiteral("--name"));
    const QString out = parsed.required(QStringLiteral("--out"));
    const QString appDir = dataFolderOption(parsed);

    const ImportResult result = SphereImport::importFile(parsed.positional.first(), name, appDir);
    for (const QString &entry : result.errors)
        std::fprintf(stderr, "%s\n", entry.toLocal8Bit().constData());
    if (!result.imported)
        return 1;
    // The name goes with the design, so an export offers it again.
    Document::saveProjectFile(out, DialogName::withName(result.lines, name.trimmed()));
    return 0;
}
