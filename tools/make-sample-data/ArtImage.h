#pragma once

#include <QColor>
#include <QImage>
#include <QString>

#include <functional>

class QPainter;

// Helpers for drawing library art. Art is painted with alpha onto a
// transparent canvas, then flattened: the client treats pure black as
// see-through, so transparent pixels become black and painted ones never are.
namespace ArtImage {

// A transparent ARGB canvas to paint on.
QImage canvas(int width, int height);

// Opaque RGB art: pixels with little coverage become black (see-through);
// the rest are laid over a dark rim colour, which gives soft dark edges, and
// lifted off pure black.
QImage flatten(const QImage &painted);

// Paints with painter on a fresh canvas (prepared for smooth drawing) and
// flattens the result.
QImage painted(int width, int height, const std::function<void(QPainter &)> &painter);

// Keeps a fully painted picture opaque everywhere (no pixel pure black).
QImage liftBlack(const QImage &image);

// Writes a 24-bit Windows bitmap with fixed header fields, so the bytes are
// the same on every run. Throws RuntimeError when the file cannot be made.
void saveBmp(const QImage &image, const QString &path);

// Writes bytes to a file; throws RuntimeError "Cannot create file" on failure.
void saveBytes(const QByteArray &bytes, const QString &path);

// Linear blend of two colours, t = 0 gives a, 1 gives b.
QColor mix(const QColor &a, const QColor &b, double t);
// Scales the brightness of a colour (1 unchanged), clamped to 0..255.
QColor shade(const QColor &c, double factor);

// Loads the DejaVu font file of the given style ("Sans-Bold", "Serif-Bold"…)
// and returns its family name. Throws RuntimeError when the font is missing.
QString dejaVuFamily(const QString &style);
// The path of that file, for callers that need the outlines directly.
QString dejaVuPath(const QString &style);

} // namespace ArtImage
