#pragma once

#include "platform/ColorText.h"
#include "windows/widgets/FixedDialog.h"

#include <QPoint>

#include <functional>
#include <optional>

class QLabel;
class QTimer;

// "Capture": counts down three seconds while the user moves the pointer onto
// a colour, then takes the screen pixel under the pointer. The countdown
// cannot be cut short.
class TForm18 : public FixedDialog
{
    Q_OBJECT

public:
    explicit TForm18(QWidget *parent = nullptr);

    // The display as the capture reads it: the colour of the screen pixel at
    // a point, nothing when the screen cannot be read. Replaceable, since
    // not every platform has a screen to read.
    using ScreenReader = std::function<std::optional<ColorValue>(QPoint)>;
    ScreenReader ScreenDC;
    // Where the pointer is, in screen coordinates. Replaceable likewise.
    std::function<QPoint()> PointerPosition;

    // "Capture in 3 Seconds", the timer running, three ticks to go before the
    // capture. The caller then shows the window modally.
    void beginCountdown();

    QLabel *Label1 = nullptr;   // "MOVE THE MOUSE INTO POSISION"
    QLabel *Label2 = nullptr;   // the countdown
    QTimer *Timer1 = nullptr;
    int CaptureTicks = 0;

signals:
    // The colour taken from the screen, on the last tick.
    void captured(ColorValue color);

public slots:
    void FormCreate();
    void Timer1Timer();
};
