#pragma once

#include "platform/ColorText.h"

#include <QImage>
#include <QList>
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
    bool dragging = false;                // Dragging

    // From the options window.
    bool transparent = true;
    bool perfectText = true;
    bool blackColorBlack = true;          // false: "All Selection Color"
    ColorValue backgroundColor = 0xFFFFFF;
    ColorValue selectionColor = 0x00FF00;
    bool cacheImages = true;
};

// The outcome of one render (LQUICKTimer).
struct RenderResult
{
    QImage page;                 // the canvas picture
    QStringList selectEntries;   // the select list, in drawing order
    QList<int> lineList;         // document line of each select list entry
    int locationLine = -1;       // LocationLine
    int miscLine = -1;           // MiscLine
    QImage dragImage;            // the dragged element's picture while Dragging
    QStringList problems;        // records that could not be drawn (malformed numbers)
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

    void setAppDir(const QString &appDir);
    QString appDir() const { return m_appDir; }

    RenderResult render(const QStringList &lines, const RenderOptions &options);

private:
    QString m_appDir;
};
