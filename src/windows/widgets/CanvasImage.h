#pragma once

#include "windows/widgets/ImageView.h"

#include <QColor>
#include <QRect>

#include <optional>

// The canvas: its picture, drawn at document scale, shown at the zoom with
// sharp pixels, and over it the grid and a selected background's resize
// handles at screen scale. It takes the keyboard focus when clicked.
class CanvasImage : public ImageView
{
    Q_OBJECT

public:
    explicit CanvasImage(QWidget *parent = nullptr);

    struct Grid
    {
        bool shown = false;
        int spacing = 10;       // document pixels
        QColor color = QColor(0xC0, 0xC0, 0xC0);
    };

    void setZoom(int percent);
    int zoom() const { return m_zoom; }
    // scroll: the document point at the top-left corner, so the grid keeps to the document.
    void setGrid(const Grid &grid, QPoint scroll);
    void setHandles(std::optional<QRect> box);   // screen pixels; nothing hides them
    // The client's screen in document pixels, outlined so the user sees what
    // players see; nothing: no outline.
    void setClientScreen(std::optional<QRect> screen);
    std::optional<QRect> clientScreen() const { return m_screen; }
    std::optional<QRect> handles() const { return m_handles; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    int m_zoom = 100;
    Grid m_grid;
    QPoint m_scroll;
    std::optional<QRect> m_handles;
    std::optional<QRect> m_screen;
};
