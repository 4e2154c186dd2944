#pragma once

#include <QString>

// File names as designs and decoder files write them: either slash may
// separate folders, and an extension is what follows the name's last dot.
namespace FileNameText {

// The name after any folder part ("DATA\\1F4.bmp" -> "1F4.bmp").
QString withoutDirectory(const QString &fileName);

// The name without folder and without its last four characters, as art
// names drop ".bmp" ("1F4.bmp" -> "1F4"); empty when the name is that short.
QString artName(const QString &fileName);

// The name without the extension after its last dot, folders kept.
QString withoutExtension(const QString &fileName);

// The name with its extension replaced, or added when it has none.
QString withExtension(const QString &fileName, const QString &extension);

} // namespace FileNameText
