#pragma once

#include <QAbstractNativeEventFilter>
#include <QMargins>

#include <functional>
#include <optional>

class QWidget;

namespace tcm::toolkit {

// The thickness of the frame the window manager draws around `window`, as
// the window manager states it now. Qt's own idea of the frame can lag behind
// a change of window state; no value where the platform does not say.
std::optional<QMargins> windowFrameExtents(const QWidget& window);

// Calls `changed` whenever the window manager states new frame extents for
// `window` (it does so after framing the window anew, for example when it
// leaves the maximised state).
class FrameExtentsWatcher : public QAbstractNativeEventFilter {
public:
    FrameExtentsWatcher(const QWidget& window, std::function<void()> changed);
    ~FrameExtentsWatcher() override;
    FrameExtentsWatcher(const FrameExtentsWatcher&) = delete;
    FrameExtentsWatcher& operator=(const FrameExtentsWatcher&) = delete;

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

private:
    const QWidget& window_;
    std::function<void()> changed_;
    std::uint32_t atom_ = 0;
};

}  // namespace tcm::toolkit
