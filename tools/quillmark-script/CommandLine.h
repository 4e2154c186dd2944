#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

#include <memory>
#include <stdexcept>

class GumpArt;

// Argument handling shared by the subcommands of quillmark-script.

// Wrong use of the command line; main() prints it with the usage text.
class UsageError : public std::runtime_error
{
public:
    explicit UsageError(const QString &message) : std::runtime_error(message.toStdString()) {}
    QString message() const { return QString::fromStdString(what()); }
};

class ParsedArguments
{
public:
    QStringList positional;

    bool has(const QString &option) const { return m_values.contains(option); }
    QString value(const QString &option, const QString &fallback = QString()) const
    { return m_values.value(option, fallback); }
    // Throws UsageError when the option was not given.
    QString required(const QString &option) const;

private:
    friend ParsedArguments parseArguments(const QStringList &, const QStringList &, const QStringList &);
    QHash<QString, QString> m_values;
};

// Splits the arguments after the subcommand name into positional arguments and
// options. Options taking a value ("--name") are written "--name VALUE" or
// "--name=VALUE"; switches ("--help") take none; a later option of the same name
// wins; "--" ends the options. Unknown options throw UsageError.
ParsedArguments parseArguments(const QStringList &args, const QStringList &valueOptions,
                               const QStringList &switches = {});

// AppDir for the commands that read art: --data when given, otherwise the
// designer's rule (the current folder when it has DATA/, else the user's
// data folder, made from the sample library on first use). Ends in "/".
QString dataFolderOption(const ParsedArguments &parsed);

// The export dialect of --dialect: "55i - 99g" (the default) or "48e - 51a",
// spelt exactly so; anything else throws UsageError.
QString dialectOption(const ParsedArguments &parsed);

// The text of the arguments as the shell passed them.
QStringList argumentsOf(int argc, char **argv);

// "quillmark-script: warning: …" on standard error.
void warn(const QString &message);

// The gump art of the client folder given with --client; throws RuntimeError
// when it holds none, and warns of gumps that cannot be read.
std::shared_ptr<const GumpArt> openClientArt(const QString &dir);
// The same for gump art opened already.
std::shared_ptr<const GumpArt> requireClientGumps(std::shared_ptr<const GumpArt> art, const QString &dir);
