#pragma once

#include <QElapsedTimer>
#include <QObject>

class ImageView;

// The start-up measurement. When the environment names
// QUILLMARK_STARTUP_CLOCK, the time from the start of main() to the first
// paint of the canvas showing a picture is printed on standard error as
// "first canvas paint after N ms"; with the value "quit" the program then
// ends, so that a script can start it again and again.
class FirstPaintClock : public QObject
{
    Q_OBJECT

public:
    // Starts the clock; watch() says which canvas ends it.
    FirstPaintClock();
    static bool wanted();
    void watch(ImageView *canvas);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QElapsedTimer m_clock;
    ImageView *m_canvas = nullptr;
};
