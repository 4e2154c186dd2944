#include "CommandLine.h"
#include "Commands.h"

#include "document/Document.h"
#include "sphere/ArtCatalog.h"
#include "sphere/DesignCheck.h"

#include <QDir>

#include <cstdio>

int runCheckCommand(const QStringList &args)
{
    const ParsedArguments parsed =
        parseArguments(args, {QStringLiteral("--data"), QStringLiteral("--client"), QStringLiteral("--dialect")});
    if (parsed.positional.size() != 1)
        throw UsageError(QStringLiteral("check needs exactly one design file"));
    const QString file = parsed.positional.first();
    const QString appDir = dataFolderOption(parsed);
    const QString dialect = dialectOption(parsed);

    const QStringList lines = Document::loadProjectFile(file);
    ArtCatalog art(appDir);
    // A picture DATA/ lacks but the client holds is there, as the designer draws it.
    if (parsed.has(QStringLiteral("--client")))
        art.setClientArt(openClientArt(parsed.value(QStringLiteral("--client"))));
    const QList<DesignProblem> problems = DesignCheck::run(lines, &art, dialect);

    QByteArray out;
    for (const DesignProblem &p : problems)
        out += DesignCheck::compilerLine(file, p).toLocal8Bit() + '\n';
    std::fwrite(out.constData(), 1, size_t(out.size()), stdout);
    if (std::fflush(stdout) != 0)
        return 1;
    // Information alone is no fault of the design.
    return DesignCheck::hasWarningsOrErrors(problems) ? 1 : 0;
}
