#pragma once

#include <QStringList>

// Designs shared by the document, export and window tests.
namespace ExampleDocuments {

// One page: a background, a picture, a text "Hello" and a closing button
// (okay.bmp, with events), placed at 50,50 and not movable.
QStringList onePageDialog();
inline const QString OkayEvents = QStringLiteral("dialogclose");

} // namespace ExampleDocuments
