#include "frame_extents.h"

#include <QGuiApplication>
#include <QWidget>

#include <xcb/xcb.h>

#include <cstdlib>
#include <memory>
#include <cstring>

namespace tcm::toolkit {

namespace {

using Reply = std::unique_ptr<void, decltype(&std::free)>;

xcb_atom_t internAtom(xcb_connection_t* connection, const char* name)
{
    const xcb_intern_atom_cookie_t cookie =
        xcb_intern_atom(connection, 1, static_cast<std::uint16_t>(std::strlen(name)), name);
    Reply reply(xcb_intern_atom_reply(connection, cookie, nullptr), &std::free);
    return reply ? static_cast<xcb_intern_atom_reply_t*>(reply.get())->atom : XCB_ATOM_NONE;
}

}  // namespace

std::optional<QMargins> windowFrameExtents(const QWidget& window)
{
    const auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    xcb_connection_t* connection = x11 ? x11->connection() : nullptr;
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

}  // namespace tcm::toolkit
