#pragma once

#include <QByteArray>
#include <QString>

// Small file helpers for tests that build trees in a temporary directory.
namespace FileFixtures {

// Writes bytes to path, creating missing parent directories. Fails the test on error.
void writeFile(const QString &path, const QByteArray &bytes);
QByteArray readFile(const QString &path);

} // namespace FileFixtures
