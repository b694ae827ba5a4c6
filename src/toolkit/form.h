#pragma once

#include "colours.h"
#include "control.h"
#include "control_scroll_bar.h"
#include "font_mapping.h"
#include "geometry.h"
#include "show_mode.h"

#include <QWidget>

#include <memory>
#include <string_view>

namespace tcm::toolkit {

class FrameExtentsWatcher;
class FormClient;

// A top-level window built from a stored description. Its controls lie on a
// content plane that the window scrolls over: the client area (inside the
// scroll bars, when they show) shows the plane from the two positions on.
// Aligned controls are placed in the layout rectangle, which is at least the
// content and at least the visible area.
class TForm : public QWidget, public TContainer {
    Q_OBJECT

public:
    TForm();
    ~TForm() override;

    // Reads the description stored under this window's class name and
    // builds the controls from it. Throws EResNotFound when there is none.
    void loadDescription();
    bool loading() const { return loading_; }

    // The class name without namespace, the name its description is stored under.
    std::string_view className() const;

    Bounds restoredBounds() const { return restoredBounds_; }
    void setRestoredBounds(Bounds b);
    WindowState windowState() const { return windowState_; }
    void setWindowState(WindowState s) { windowState_ = s; }
    TColor color() const { return color_; }
    void setColor(TColor c);
    TFont& storedFont() { return font_; }
    int pixelsPerInch() const { return pixelsPerInch_; }
    void setPixelsPerInch(int ppi) { pixelsPerInch_ = ppi; }
    int textHeight() const { return textHeight_; }
    void setTextHeight(int h) { textHeight_ = h; }
    bool oldCreateOrder() const { return oldCreateOrder_; }
    void setOldCreateOrder(bool b) { oldCreateOrder_ = b; }

    // Shows the window in its current WindowState.
    void showInState();

    void realign() override;

    // The widget the window's own controls are children of: the visible
    // area, which the content plane scrolls under.
    QWidget* clientArea() const;
    TControlScrollBar& HorzScrollBar() { return horz_; }
    TControlScrollBar& VertScrollBar() { return vert_; }
    // Scrolls one direction to `position`, clamped to 0 ... its maximum. The
    // pixels already drawn move; only the strip that comes into view repaints.
    void setScrollPosition(Axis axis, int position);

    // Called before `leaving` is hidden: a focus inside it goes to the window
    // itself, so no control shows a caret.
    void focusLeaving(QWidget& leaving);
    // The control holding the focus inside this window, or null when the
    // window itself holds it.
    QWidget* activeControl() const;

    static const ClassInfo& classInfo();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void finishLoading();
    void applyFont();
    void scaleForDisplay();
    void buildTabOrder();
    void focusFirstTabStop();
    void placeScrollBars(bool horizontal, bool vertical, int visibleWidth, int visibleHeight, int thickness);
    void layOutContent();
    void focusMoved(QWidget* from, QWidget* to);
    void placeAtRestoredBounds();
    void retryRestoredPlacement();

    FormClient* client_ = nullptr;
    TControlScrollBar horz_{Axis::Horizontal};
    TControlScrollBar vert_{Axis::Vertical};
    bool loading_ = false;
    bool aligning_ = false;
    Bounds restoredBounds_{0, 0, 320, 240};
    WindowState windowState_ = WindowState::Normal;
    TColor color_ = clBtnFace;
    TFont font_;
    int pixelsPerInch_ = 96;
    int textHeight_ = 13;
    bool oldCreateOrder_ = false;
    bool restoredOnce_ = false;
    int placementTries_ = 0;  // re-placements left while the frame settles
    std::unique_ptr<FrameExtentsWatcher> frameWatcher_;

    friend class FormLoader;
};

}  // namespace tcm::toolkit
