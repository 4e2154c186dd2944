#include "windows/art/TForm18.h"
#include "platform/ScreenPixel.h"
#include "windows/widgets/EventGuard.h"

#include <QCursor>
#include <QLabel>
#include <QTimer>

namespace {
constexpr int FirstTick = 2;
constexpr int CaptureTick = 5;
} // namespace

TForm18::TForm18(QWidget *parent) : FixedDialog(parent, QStringLiteral("Capture"))
{
    setFixedSize(319, 50);
    setEscapeCloses(false);

    Label1 = new QLabel(QStringLiteral("MOVE THE MOUSE INTO POSISION"), this);
    Label1->setGeometry(8, 6, 303, 18);
    Label1->setAlignment(Qt::AlignCenter);
    Label2 = new QLabel(this);
    Label2->setGeometry(8, 26, 303, 18);
    Label2->setAlignment(Qt::AlignCenter);

    Timer1 = new QTimer(this);
    Timer1->setInterval(1000);
    EventGuard::connect(Timer1, &QTimer::timeout, this, &TForm18::Timer1Timer);

    FormCreate();
}

void TForm18::FormCreate()
{
    ScreenDC = &ScreenPixel::at;
    PointerPosition = [] { return QCursor::pos(); };
}

void TForm18::beginCountdown()
{
    Label2->setText(QStringLiteral("Capture in 3 Seconds"));
    Timer1->start();
    CaptureTicks = FirstTick;
}

void TForm18::Timer1Timer()
{
    if (CaptureTicks != CaptureTick) {
        ++CaptureTicks;
        Label2->setText(QStringLiteral("Capture in %1 Seconds").arg(CaptureTick - CaptureTicks));
        return;
    }
    // A screen that cannot be read leaves the colour as it was.
    if (const std::optional<ColorValue> color = ScreenDC(PointerPosition()))
        emit captured(*color);
    Timer1->stop();
    accept();
    CaptureTicks = 0;
}
