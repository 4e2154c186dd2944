#include "CommandLine.h"
#include "Commands.h"

#include "app/Document.h"
#include "checks/ArtCatalog.h"
#include "checks/DesignCheck.h"

#include <QDir>

#include <cstdio>

int runCheckCommand(const QStringList &args)
{
    const ParsedArguments parsed =
        parseArguments(args, {QStringLiteral("--data"), QStringLiteral("--client")});
    if (parsed.positional.size() != 1)
        throw UsageError(QStringLiteral("check needs exactly one design file"));
    const QString file = parsed.positional.first();
    const QString appDir = dataFolderOption(parsed);
    // --client is accepted for the client's own art files; the check does not read them yet.

    const QStringList lines = Document::loadProjectFile(file);
    ArtCatalog art(appDir);
    const QList<DesignProblem> problems = DesignCheck::run(lines, &art);

    QByteArray out;
    for (const DesignProblem &p : problems)
        out += DesignCheck::compilerLine(file, p).toLocal8Bit() + '\n';
    std::fwrite(out.constData(), 1, size_t(out.size()), stdout);
    if (std::fflush(stdout) != 0)
        return 1;
    return problems.isEmpty() ? 0 : 1;
}
