#pragma once

#include <QString>

// Small files for tests: written and read as Latin-1 bytes, exactly.
void writeTextFile(const QString &path, const QString &text);
QString readTextFile(const QString &path);
