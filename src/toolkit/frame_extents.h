#pragma once

#include <QMargins>

#include <optional>

class QWidget;

namespace tcm::toolkit {

// The thickness of the frame the window manager draws around `window`, as
// the window manager states it now. Qt's own idea of the frame can lag behind
// a change of window state; no value where the platform does not say.
std::optional<QMargins> windowFrameExtents(const QWidget& window);

}  // namespace tcm::toolkit
