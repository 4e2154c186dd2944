#include "CommandLine.h"
#include "Commands.h"

#include "assets/client/ArtLibraryBuilder.h"
#include "platform/Terminal.h"

#include <cstdio>

int runLibraryCommand(const QStringList &args)
{
    // --scripts may be given several times: take them out before the
    // common parser, which keeps the last value of an option.
    QStringList rest;
    ArtLibraryBuilder::Options options;
    for (qsizetype i = 0; i < args.size(); ++i) {
        if (args[i] == u"--scripts") {
            if (i + 1 >= args.size())
                throw UsageError(QStringLiteral("--scripts needs a folder"));
            options.scriptDirs.append(args[++i]);
        } else if (args[i].startsWith(QStringLiteral("--scripts="))) {
            options.scriptDirs.append(args[i].mid(10));
        } else {
            rest.append(args[i]);
        }
    }
    const ParsedArguments parsed = parseArguments(rest, {QStringLiteral("--client"), QStringLiteral("--out")});
    if (!parsed.positional.isEmpty())
        throw UsageError(QStringLiteral("library takes no file names"));
    options.clientDir = parsed.required(QStringLiteral("--client"));
    options.dataDir = parsed.required(QStringLiteral("--out"));
    if (!options.dataDir.endsWith(u'/'))
        options.dataDir += u'/';

    const bool terminal = Terminal::standardErrorIsTerminal();
    const auto progress = [terminal](int done, int total) {
        if (terminal)
            std::fprintf(stderr, "\r%d of %d", done, total);
    };
    const ArtLibraryBuilder::Report report = ArtLibraryBuilder::build(options, progress);
    if (terminal)
        std::fputs("\n", stderr);
    std::printf("%s\n", qPrintable(report.summary()));
    return std::fflush(stdout) == 0 ? 0 : 1;
}
