#pragma once

#include <QStringList>

// Designs shared by the document, export and window tests.
namespace ExampleDocuments {

// One page: a background, a picture, a text "Hello" and a closing button
// (okay.bmp, with events), placed at 50,50 and not movable.
QStringList onePageDialog();
inline const QString OkayEvents = QStringLiteral("dialogclose");

// One page holding one record of each of the newer kinds, in the order of
// the kind enumeration, then a location and a close block. The check box and
// radio use check.bmp (decoder "D2", "D3"); the pictures 1F4.bmp.
QStringList everyNewKindDialog();
inline const QString CloseEvents = QStringLiteral("SRC.SYSMESSAGE Bye\r\nDIALOGCLOSE");

// Page 0 holds a picture (line 2), a text (6) and a background (11); page 1 a button (19).
QStringList twoPages();

} // namespace ExampleDocuments
