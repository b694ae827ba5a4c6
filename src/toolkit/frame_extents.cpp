#include "frame_extents.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QWidget>

#include <xcb/xcb.h>

#include <cstdlib>
#include <memory>
#include <cstring>

namespace tcm::toolkit {

namespace {

using Reply = std::unique_ptr<void, decltype(&std::free)>;

xcb_connection_t* x11Connection()
{
    const auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->connection() : nullptr;
}

xcb_atom_t internAtom(xcb_connection_t* connection, const char* name)
{
    const xcb_intern_atom_cookie_t cookie =
        xcb_intern_atom(connection, 1, static_cast<std::uint16_t>(std::strlen(name)), name);
    Reply reply(xcb_intern_atom_reply(connection, cookie, nullptr), &std::free);
    if (!reply)
        return XCB_ATOM_NONE;
    return static_cast<xcb_intern_atom_reply_t*>(reply.get())->atom;
}

}  // namespace

std::optional<QMargins> windowFrameExtents(const QWidget& window)
{
    xcb_connection_t* connection = x11Connection();
    if (!connection || !window.windowHandle())
        return std::nullopt;
    const xcb_atom_t extents = internAtom(connection, "_NET_FRAME_EXTENTS");
    if (extents == XCB_ATOM_NONE)
        return std::nullopt;
    const xcb_get_property_cookie_t cookie =
        xcb_get_property(connection, 0, static_cast<xcb_window_t>(window.winId()), extents, XCB_ATOM_CARDINAL, 0, 4);
    Reply reply(xcb_get_property_reply(connection, cookie, nullptr), &std::free);
    auto* property = static_cast<xcb_get_property_reply_t*>(reply.get());
    if (!property || property->format != 32 || xcb_get_property_value_length(property) != 16)
        return std::nullopt;
    const auto* v = static_cast<const std::uint32_t*>(xcb_get_property_value(property));
    // left, right, top, bottom
    return QMargins(static_cast<int>(v[0]), static_cast<int>(v[2]), static_cast<int>(v[1]),
                    static_cast<int>(v[3]));
}

FrameExtentsWatcher::FrameExtentsWatcher(const QWidget& window, std::function<void()> changed)
    : window_(window), changed_(std::move(changed))
{
    if (xcb_connection_t* connection = x11Connection()) {
        atom_ = internAtom(connection, "_NET_FRAME_EXTENTS");
        QCoreApplication::instance()->installNativeEventFilter(this);
    }
}

FrameExtentsWatcher::~FrameExtentsWatcher()
{
    if (atom_ != 0 && QCoreApplication::instance())
        QCoreApplication::instance()->removeNativeEventFilter(this);
}

bool FrameExtentsWatcher::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*)
{
    if (atom_ == 0 || eventType != "xcb_generic_event_t" || !window_.windowHandle())
        return false;
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    if ((event->response_type & ~0x80) != XCB_PROPERTY_NOTIFY)
        return false;
    const auto* property = static_cast<const xcb_property_notify_event_t*>(message);
    if (property->atom == atom_ && property->window == static_cast<xcb_window_t>(window_.winId()))
        changed_();
    return false;  // Qt handles the event as usual
}

}  // namespace tcm::toolkit
