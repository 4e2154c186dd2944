#include "windows/widgets/PagelessScrollBar.h"

#include <QStyleOptionSlider>

void PagelessScrollBar::initStyleOption(QStyleOptionSlider *option) const
{
    QScrollBar::initStyleOption(option);
    option->pageStep = 0;   // drawing and hit testing only; paging keeps pageStep()
}
