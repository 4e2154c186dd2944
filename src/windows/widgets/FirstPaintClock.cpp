#include "windows/widgets/FirstPaintClock.h"
#include "windows/widgets/ImageView.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>

#include <cstdio>

namespace {
constexpr char Variable[] = "QUILLMARK_STARTUP_CLOCK";
}

FirstPaintClock::FirstPaintClock()
{
    m_clock.start();
}

bool FirstPaintClock::wanted()
{
    return qEnvironmentVariableIsSet(Variable);
}

void FirstPaintClock::watch(ImageView *canvas)
{
    m_canvas = canvas;
    canvas->installEventFilter(this);
}

bool FirstPaintClock::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_canvas && event->type() == QEvent::Paint && !m_canvas->picture().isNull()) {
        m_canvas->removeEventFilter(this);
        // Stopped once this paint is done, not when it begins.
        QTimer::singleShot(0, this, [this] {
            std::fprintf(stderr, "first canvas paint after %lld ms\n", static_cast<long long>(m_clock.elapsed()));
            std::fflush(stderr);
            if (qgetenv(Variable) == "quit")
                QCoreApplication::quit();
        });
    }
    return QObject::eventFilter(watched, event);
}
