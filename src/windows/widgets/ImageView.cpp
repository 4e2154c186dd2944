#include "windows/widgets/ImageView.h"

#include <QPainter>

ImageView::ImageView(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent, false);
}

void ImageView::setPicture(const QImage &picture)
{
    m_picture = picture;
    update();
}

void ImageView::paintEvent(QPaintEvent *)
{
    if (m_picture.isNull())
        return;
    QPainter painter(this);
    painter.drawImage(0, 0, m_picture);
}
