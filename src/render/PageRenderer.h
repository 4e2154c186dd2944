#pragma once

#include "assets/ArtStore.h"
#include "assets/TextConverter.h"
#include "assets/client/GameClient.h"
#include "document/BranchChoice.h"
#include "document/ElementRecord.h"
#include "platform/ColorText.h"
#include "render/ElementBitmap.h"
#include "render/ImageCache.h"
#include "render/TextIndex.h"

#include <QHash>
#include <QImage>
#include <QList>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>

// What one render of the canvas depends on besides the document lines.
struct RenderOptions
{
    QString page = QStringLiteral("0");   // the page box text
    bool alwaysDrawPage0 = true;          // "With this on Page 0 is always drawn"
    bool highlightSelected = true;        // "Highlight Selected"
    bool showText = true;
    bool showButtons = true;
    bool showGumppics = true;
    bool showResizepics = true;
    int scrollX = 0;                      // horizontal scroll bar position
    int scrollY = 0;                      // vertical scroll bar position
    QSize canvasSize = QSize(548, 400);
    int selectedLine = 0;                 // SelectedLine
    QList<int> alsoSelected;              // the other selected elements' lines, ascending
    bool dragging = false;                // Dragging: every selected element is the drag image

    // From the options window.
    bool transparent = true;
    bool perfectText = true;
    bool blackColorBlack = true;          // false: "All Selection Color"
    ColorValue backgroundColor = 0xFFFFFF;
    ColorValue selectionColor = 0x00FF00;
    bool cacheImages = true;
    // Art that cannot be found is drawn as a labelled frame (the designer's
    // canvas; a preview picture draws nothing for it unless asked).
    bool placeholders = false;
    // The branch of each condition drawn; the others are listed, not drawn.
    BranchChoice branches;
    // Elements inside a condition or loop framed, those placed by the server marked.
    bool markLogic = false;

    bool operator==(const RenderOptions &) const = default;
};

// The outcome of one render (LQUICKTimer).
struct RenderResult
{
    QImage page;                 // the canvas picture
    QStringList selectEntries;   // the select list, in drawing order
    QList<int> lineList;         // document line of each select list entry
    QList<QRect> boxes;          // and its box as drawn, document pixels (null when not drawn)
    int locationLine = -1;       // LocationLine
    int miscLine = -1;           // MiscLine
    QImage dragImage;            // the dragged elements' picture while Dragging
    QPoint dragOrigin;           // the document point of its top-left corner
    QStringList problems;        // one text per record that could not be drawn ("gumppic at line 7 not drawn: ...")
    QList<int> problemLines;     // the document line of each problem's record, counted from 1
};

// Renders one page of a design into an image. Owns the art store, the image
// cache, the text converter and the hue index it draws with.
class PageRenderer
{
public:
    explicit PageRenderer(const QString &appDir = QString());
    ~PageRenderer();
    PageRenderer(const PageRenderer &) = delete;
    PageRenderer &operator=(const PageRenderer &) = delete;

    // Also rebuilds the text index from the hue library there.
    void setAppDir(const QString &appDir);
    QString appDir() const { return m_appDir; }

    // LQUICKTimer: the page buffer of the canvas size, the background inside a
    // one-pixel black frame, the visible elements of the page (and of page 0
    // beneath it when asked) in document order, the select and line lists.
    // A record that cannot be read (cut short, a number that is not one, a
    // gumppic name that is not hexadecimal) is left out and named in
    // problems; the rest of the page is drawn.
    RenderResult render(const QStringList &lines, const RenderOptions &options);

    // No canvas side is taken larger than this (the buffer stays under 256 MB).
    static constexpr int MaxCanvasSide = 8192;

    // The picture the element whose record starts at line is drawn from, as
    // a render with these options draws it (served from and added to the
    // cache like a render), without selection frame. Empty when the line
    // starts no element or the record cannot be read. For mouse picking.
    ElementBitmap elementBitmap(const QStringList &lines, int line, const RenderOptions &options);

    // Loads the bitmap font (UO0.CORE) into the text converter; false, and the
    // converter left as it was, when the file is missing or unreadable.
    bool loadFont(const QString &path);

    // TEXTIDXTimer: reads the hue library in AppDir into the text index again.
    void rebuildTextIndex();

    // CacheCLEANUPTimer: keeps only the cached images the document uses.
    void cleanUpCache(const QStringList &lines);
    // The options window's "Ok": every image is made again at the next render.
    void forgetCache();

    // The game client pictures are drawn from when DATA/ lacks them
    // (nullptr: none). Cached images made with the old one are forgotten.
    void setClientArt(std::shared_ptr<const GumpArt> client);
    // The whole client: gumps as above, item pictures for tilepics, hues for
    // tilepics and gumppichues, localized texts for xmfhtmlgumps.
    void setGameClient(GameClient client);

    const ArtStore &artStore() const { return m_art; }
    ImageCache &imageCache() { return m_cache; }
    const ImageCache &imageCache() const { return m_cache; }
    TextConverter &textConverter() { return m_converter; }
    const TextConverter &textConverter() const { return m_converter; }
    const TextIndex &textIndex() const { return m_textIndex; }

private:
    // part: of a background, the part to compose when the whole is not cached.
    ElementBitmap bitmapOf(const QStringList &lines, const ElementRecord &record, const RenderOptions &options,
                           const HueColors &colors, const QRect &part = QRect());

    // The labelled frame for the record's art when it cannot be found, else the bitmap as it is.
    ElementBitmap orPlaceholder(const ElementRecord &record, const ElementBitmap &bitmap, const RenderOptions &options);
    bool backgroundMissing(const QString &fileName);

    // The pieces of a background, read once for the parts composed at
    // every render of a background partly off the canvas.
    const ResizepicPieces &piecesOf(const QString &fileName);

    QString m_appDir;
    ArtStore m_art;
    ImageCache m_cache;
    // Forgotten with the image cache; at most MaxHeldPieces backgrounds' worth.
    QHash<QString, ResizepicPieces> m_pieces;
    static constexpr qsizetype MaxHeldPieces = 64;
    TextConverter m_converter;
    TextIndex m_textIndex;
    GameClient m_client;
};
