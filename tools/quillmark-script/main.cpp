#include "CommandLine.h"
#include "Commands.h"

#include "platform/AppInfo.h"
#include "platform/RuntimeError.h"
#include "platform/VisibleText.h"
#include "sphere/SphereDialect.h"

#include <QGuiApplication>

#include <cstdio>

// quillmark-script: batch work on Quillmark designs without the designer.
// Exit status: 0 done, 1 bad input (the runtime's message on stderr), 2 wrong command line.

namespace {

QByteArray usageOf(const Command &command)
{
    return QString::fromUtf8(command.usage)
        .replace(QStringLiteral("{recent}"), SphereDialect::V55iTo99g)
        .replace(QStringLiteral("{old}"), SphereDialect::V48eTo51a)
        .toUtf8();
}

void printUsage(std::FILE *to)
{
    std::fputs("usage: quillmark-script COMMAND ...\n\n", to);
    for (const Command &c : Commands)
        std::fprintf(to, "  quillmark-script %s\n\n", usageOf(c).constData());
}

void printError(const QString &message)
{
    std::fprintf(stderr, "quillmark-script: %s\n", VisibleText::escaped(message).toLocal8Bit().constData());
}

// Lets only the serious messages through: the platform layer's start-up
// notes (such as a missing XDG_RUNTIME_DIR) mean nothing to a program that
// paints images and opens no window.
void seriousMessagesOnly(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
}

} // namespace

int main(int argc, char **argv)
{
    // Rendering paints images, never windows: no display is needed.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const QtMessageHandler previous = qInstallMessageHandler(seriousMessagesOnly);
    QGuiApplication app(argc, argv);
    QGuiApplication::setApplicationName(AppInfo::ProgramName);   // the designer's data folder
    qInstallMessageHandler(previous);
    const QStringList args = argumentsOf(argc, argv);
    if (args.size() < 2 || args[1] == u"--help" || args[1] == u"-h" || args[1] == u"help") {
        printUsage(args.size() < 2 ? stderr : stdout);
        return args.size() < 2 ? 2 : 0;
    }
    for (const Command &c : Commands) {
        if (args[1] != QLatin1String(c.name))
            continue;
        try {
            return c.run(args.mid(2));
        } catch (const UsageError &e) {
            printError(e.message());
            std::fprintf(stderr, "usage: quillmark-script %s\n", usageOf(c).constData());
            return 2;
        } catch (const RuntimeError &e) {
            printError(e.message());
            return 1;
        }
    }
    printError(QStringLiteral("unknown command %1").arg(args[1]));
    printUsage(stderr);
    return 2;
}
