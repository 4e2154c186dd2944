#pragma once

#include "platform/RuntimeError.h"
#include "platform/VisibleText.h"
#include "windows/widgets/Modal.h"

#include <QObject>

#include <exception>
#include <functional>
#include <type_traits>
#include <utility>

// The boundary between the event loop and a handler: a failure ends the
// handler where it happened and is shown in the standard error box. Nothing
// already changed is rolled back.
namespace EventGuard {

template <typename Handler>
void run(Handler &&handler) noexcept
{
    try {
        std::forward<Handler>(handler)();
    } catch (const RuntimeError &e) {
        Modal::error(VisibleText::escaped(e.message()));
    } catch (const std::exception &e) {
        Modal::error(VisibleText::escaped(QString::fromLocal8Bit(e.what())));
    }
}

// Connects a signal to a handler through the boundary. The handler is a
// member function of receiver or a callable, either taking no arguments;
// the signal's arguments are dropped.
template <typename Sender, typename Signal, typename Receiver, typename Handler>
QMetaObject::Connection connect(Sender *sender, Signal signal, Receiver *receiver, Handler handler)
{
    return QObject::connect(sender, signal, receiver, [receiver, handler] {
        run([&] {
            if constexpr (std::is_invocable_v<Handler &, Receiver *>)
                std::invoke(handler, receiver);
            else
                handler();
        });
    });
}

} // namespace EventGuard
