#include "windows/widgets/ColorSwatch.h"

#include <QPainter>

ColorSwatch::ColorSwatch(QWidget *parent) : QWidget(parent) {}

void ColorSwatch::setColor(ColorValue color)
{
    m_color = color;
    update();
}

void ColorSwatch::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(Qt::black);
    painter.setBrush(ColorText::toQColor(m_color));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}
