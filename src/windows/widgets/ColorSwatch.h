#pragma once

#include "platform/ColorText.h"

#include <QWidget>

// A rectangle filled with one colour inside a one-pixel black outline; white
// until told otherwise.
class ColorSwatch : public QWidget
{
    Q_OBJECT

public:
    explicit ColorSwatch(QWidget *parent = nullptr);

    ColorValue color() const { return m_color; }
    void setColor(ColorValue color);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    ColorValue m_color = 0xFFFFFF;
};
