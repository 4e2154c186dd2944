#pragma once

#include <QImage>
#include <QWidget>

// Shows one picture at its top-left corner, the rest in the window colour.
class ImageView : public QWidget
{
    Q_OBJECT

public:
    explicit ImageView(QWidget *parent = nullptr);

    const QImage &picture() const { return m_picture; }
    void setPicture(const QImage &picture);
    void clear() { setPicture(QImage()); }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QImage m_picture;
};
