#pragma once

#include "document/RecordWalker.h"

#include <QString>
#include <QStringList>

#include <optional>

// The two dialects of dialog script the export writes ("Export To Version").
namespace SphereDialect {
inline const QString V55iTo99g = QStringLiteral("55i - 99g"); // [DIALOG name], window flags, on=
inline const QString V48eTo51a = QStringLiteral("48e - 51a"); // [GUMP name], ONBUTTON=
// Both, as the options window and the command line offer them: the first is the default.
const QStringList &all();
// Whether the dialect has a control for the kind; the export leaves the
// others out and the check names them.
bool hasKind(const QString &dialect, ElementKind kind);

// The fields of a kind's control the server passes to the client as written
// (it reads the others as numbers, from the origin where they are places).
// The text kinds pass them only in their indexed form; their inline forms
// ("dtext", "dcroppedtext", "dhtmlgump", "dtextentry") are read as numbers.
QList<int> passedAsWritten(ElementKind kind);
// Whether the dialect writes the element in its inline form so that the
// server reads a place or number it computes ("+20", "*20", "<local.y>"),
// which the indexed form would pass to the client as written: a text kind
// with such a field, in dialect "55i - 99g" (the older one has no inline form).
bool inlineForComputed(const QString &dialect, const RecordWalker &w);

// How the script's text becomes bytes. The current server reads scripts as
// UTF-8; old servers sent each byte as it stood, so an old shard's scripts
// are 8-bit text (Latin-1).
enum class Encoding { Utf8, EightBit };
// UTF-8 for "55i - 99g", 8-bit for "48e - 51a".
Encoding defaultEncoding(const QString &dialect);
// "utf-8" or "8-bit"; nullopt for any other text.
std::optional<Encoding> encodingNamed(const QString &name);
} // namespace SphereDialect
