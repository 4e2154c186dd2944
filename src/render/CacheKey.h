#pragma once

#include "document/RecordWalker.h"

#include <QString>
#include <QStringList>

// Keys of the image cache, formed from an element record's lines as text,
// joined without separators. A key never looks like a number, so it can only
// match the key line of an index entry.
namespace CacheKey {

inline const QString ResizepicPrefix = QStringLiteral("Resizepic");
inline const QString GumppicPrefix = QStringLiteral("Gumppic");
inline const QString TextPrefix = QStringLiteral("TEXT");
// Differs from the other three, so a gumppic and a button with the same file
// name get entries of their own.
inline const QString ButtonPrefix = QStringLiteral("Button");

QString resizepic(const QString &widthLine, const QString &heightLine, const QString &fileName);
QString gumppic(const QString &fileName);
QString button(const QString &fileName);
QString text(const QString &hueLine, const QString &textLine);

// The key of the element record of the given kind starting at line first
// (for the newer kinds: the kind word and each field after X and Y).
// Fields past the end of the lines count as empty.
QString forRecord(ElementKind kind, const QStringList &lines, int first);

} // namespace CacheKey
