#pragma once

#include <QScrollBar>

// A scroll bar whose thumb has the style's smallest length instead of one
// proportional to its large step: the large step is how far a click in the
// trough moves, not how much of the list is in view.
class PagelessScrollBar : public QScrollBar
{
    Q_OBJECT

public:
    explicit PagelessScrollBar(Qt::Orientation orientation, QWidget *parent = nullptr)
        : QScrollBar(orientation, parent) {}

protected:
    void initStyleOption(QStyleOptionSlider *option) const override;
};
