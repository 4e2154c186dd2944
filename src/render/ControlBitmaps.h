#pragma once

#include "assets/TextConverter.h"
#include "assets/client/GameClient.h"
#include "document/ElementRecord.h"
#include "render/ElementBitmap.h"

class ArtStore;
class HueColors;

// The pictures of the element kinds beyond the four classic ones, drawn as
// the client draws them:
// - htmlgump, xmfhtmlgump: HTML text wrapped to the box (HtmlLayout); with
//   the scroll bar flag the bar keeps 16 pixels at the right, drawn from the
//   gumppics "FA.bmp" (up), "100.bmp" (track, tiled), "FE.bmp" (thumb) and
//   "FC.bmp" (down) that are there; with the background flag the background
//   "DATA/resizepic/3000.bmp" fills the box left of the bar (when the art is
//   there) and the text stands 4 pixels in from its edges; an xmfhtmlgump
//   shows the client's localized text, or "cliloc N" without one, in its
//   15-bit colour (0: black);
// - croppedtext: one line cut to the box; textentry: the same in a dotted
//   frame;
// - checkbox, radio: the gump of the state (the decoder file's first number
//   unchecked, second checked) from DATA/ or the client, else the art itself;
// - gumppictiled: the picture tiled; gumppichue: the picture in the hue;
// - checkertrans: the see-through checker over the canvas colour;
// - tilepic: the client's item picture, hued; a numbered box without it.
struct ControlContext
{
    const ArtStore &art;
    const TextConverter &converter;
    TextConverter::Mode mode;
    const HueColors &colors;
    const GameClient &client;
    QRgb canvasColour;
};

namespace ControlBitmaps {

inline const QString HtmlBackground = QStringLiteral("3000.bmp");
inline const QString ScrollUp = QStringLiteral("FA.bmp");
inline const QString ScrollTrack = QStringLiteral("100.bmp");
inline const QString ScrollThumb = QStringLiteral("FE.bmp");
inline const QString ScrollDown = QStringLiteral("FC.bmp");

// Whether the kind is drawn here (every kind but the four classic ones).
bool handles(ElementKind kind);
// Text kinds are always drawn see-through, as text is.
bool isTextKind(ElementKind kind);

ElementBitmap bitmap(const ElementRecord &record, const ControlContext &context);

// "cliloc N" when the client has no such text.
QString clilocText(const GameClient &client, int number);

// The up and down gumps of button art: the pair a name keeps when no art of
// the library has it ("gump 4005 4007.bmp"), else its decoder file's.
std::optional<std::pair<int, int>> gumpPair(const ArtStore &art, const QString &fileName);
// A button's picture: its art in DATA/buttons/, or for a kept pair its up
// gump, from DATA/ or the client.
QImage buttonArt(const ArtStore &art, const QString &fileName);

} // namespace ControlBitmaps
