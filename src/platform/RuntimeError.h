#pragma once

#include <QString>
#include <stdexcept>

// A failure of the kind the runtime reports: a file that cannot be opened,
// created or written, a text that is not a number, an index out of range.
// Handlers let it travel up to one catch at the event boundary, which shows
// the message in the standard error box.
class RuntimeError : public std::runtime_error
{
public:
    explicit RuntimeError(const QString &message)
        : std::runtime_error(message.toStdString()), m_message(message) {}

    QString message() const { return m_message; }

    // The runtime's own message texts.
    static RuntimeError notAnInteger(const QString &text)
    { return RuntimeError(QStringLiteral("'%1' is not a valid integer value").arg(text)); }
    static RuntimeError outOfRange(const QString &text, int minimum, int maximum)
    { return RuntimeError(QStringLiteral("'%1' is not a value from %2 to %3").arg(text).arg(minimum).arg(maximum)); }
    static RuntimeError unableToWrite(const QString &path)
    { return RuntimeError(QStringLiteral("Unable to write to %1").arg(path)); }
    static RuntimeError cannotCreate(const QString &path)
    { return RuntimeError(QStringLiteral("Cannot create file %1").arg(path)); }
    static RuntimeError cannotOpen(const QString &path)
    { return RuntimeError(QStringLiteral("Cannot open file %1").arg(path)); }
    static RuntimeError listIndexOutOfBounds(int index)
    { return RuntimeError(QStringLiteral("List index out of bounds (%1)").arg(index)); }

private:
    QString m_message;
};
