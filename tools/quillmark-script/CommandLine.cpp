#include "CommandLine.h"

#include "assets/client/GumpArt.h"
#include "platform/DataFolder.h"
#include "platform/RuntimeError.h"
#include "sphere/SphereExport.h"

#include <cstdio>

QString ParsedArguments::required(const QString &option) const
{
    if (!has(option))
        throw UsageError(QStringLiteral("missing %1").arg(option));
    return value(option);
}

ParsedArguments parseArguments(const QStringList &args, const QStringList &valueOptions, const QStringList &switches)
{
    ParsedArguments parsed;
    bool optionsEnded = false;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString &arg = args[i];
        if (optionsEnded || !arg.startsWith(QStringLiteral("--"))) {
            parsed.positional.append(arg);
            continue;
        }
        if (arg == u"--") {
            optionsEnded = true;
            continue;
        }
        const qsizetype eq = arg.indexOf(u'=');
        const QString option = eq < 0 ? arg : arg.left(eq);
        if (switches.contains(option)) {
            if (eq >= 0)
                throw UsageError(QStringLiteral("%1 takes no value").arg(option));
            parsed.m_values.insert(option, QString());
        } else if (valueOptions.contains(option)) {
            if (eq >= 0) {
                parsed.m_values.insert(option, arg.mid(eq + 1));
            } else {
                if (i + 1 >= args.size())
                    throw UsageError(QStringLiteral("%1 needs a value").arg(option));
                parsed.m_values.insert(option, args[++i]);
            }
        } else {
            throw UsageError(QStringLiteral("unknown option %1").arg(option));
        }
    }
    return parsed;
}

QStringList argumentsOf(int argc, char **argv)
{
    QStringList args;
    for (int i = 0; i < argc; ++i)
        args.append(QString::fromLocal8Bit(argv[i]));
    return args;
}

void warn(const QString &message)
{
    std::fprintf(stderr, "quillmark-script: warning: %s\n", message.toLocal8Bit().constData());
}

std::shared_ptr<const GumpArt> requireClientGumps(std::shared_ptr<const GumpArt> art, const QString &dir)
{
    if (!art)
        throw RuntimeError(QStringLiteral("No gump art (%1 or %2 and %3) in %4")
                               .arg(GumpArt::UopName, GumpArt::IndexName, GumpArt::DataName, dir));
    if (art->undecodable() > 0)
        warn(QStringLiteral("%1 gumps of the client cannot be read").arg(art->undecodable()));
    return art;
}

std::shared_ptr<const GumpArt> openClientArt(const QString &dir)
{
    return requireClientGumps(GumpArt::open(dir), dir);
}

QString dialectOption(const ParsedArguments &parsed)
{
    const QString text = parsed.value(QStringLiteral("--dialect"), SphereDialect::V55iTo99g);
    if (!SphereDialect::all().contains(text))
        throw UsageError(QStringLiteral("--dialect must be \"%1\" or \"%2\", not \"%3\"")
                             .arg(SphereDialect::V55iTo99g, SphereDialect::V48eTo51a, text));
    return text;
}

QString dataFolderOption(const ParsedArguments &parsed)
{
    if (!parsed.has(QStringLiteral("--data")))
        return DataFolder::forThisProgram().path;
    QString folder = parsed.value(QStringLiteral("--data"));
    if (!folder.endsWith(u'/'))
        folder += u'/';
    return folder;
}
