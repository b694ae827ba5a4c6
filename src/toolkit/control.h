#pragma once

#include "align.h"
#include "class_registry.h"
#include "geometry.h"
#include "scroll_range.h"

#include <vector>

class QWidget;

namespace tcm::toolkit {

class TForm;

// What every control of a window has, mixed into each control class beside
// its Qt widget base: stored geometry, alignment, the visibility rule, tab
// order, and its place in creation order.
class TControl {
public:
    // Windowed controls (panels, text boxes) always lie above graphic ones
    // (pictures, speed buttons) of the same parent.
    enum class Kind { Graphic, Windowed };

    TControl(QWidget& self, Kind kind);
    virtual ~TControl();
    TControl(const TControl&) = delete;
    TControl& operator=(const TControl&) = delete;

    QWidget& widget() const { return self_; }
    Kind kind() const { return kind_; }
    unsigned creationIndex() const { return creationIndex_; }

    // The control's own flag, whatever its parents' visibility.
    bool Visible() const { return visible_; }
    // Setting the value it already has does nothing. A real change marks the
    // area for repaint, moves the focus out of a hidden control to the window
    // itself, and re-aligns the parent at once.
    void SetVisible(bool visible);
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }

    Align align() const { return align_; }
    void setAlign(Align align);
    Anchors anchors() const { return anchors_; }
    int tabOrder() const { return tabOrder_; }
    void setTabOrder(int order) { tabOrder_ = order; }
    // Whether Tab stops here (text boxes do, panels and graphic controls don't).
    virtual bool tabStop() const { return false; }

    Bounds bounds() const;
    virtual void setBounds(Bounds b);
    // Scales the stored layout by measured/stored text height.
    virtual void scaleLayout(int measured, int stored);
    // Called once the window holding the control has finished loading, when
    // every stored value has been applied.
    virtual void loaded() {}

    // The window this control is on, or null.
    TForm* form() const;

    // Stored properties every control takes: Left, Top, Width, Height,
    // Visible, Align, TabOrder.
    static const ClassInfo& classInfo();

protected:
    void realignParent();

private:
    QWidget& self_;
    Kind kind_;
    unsigned creationIndex_;
    bool visible_ = true;
    Align align_ = Align::None;
    Anchors anchors_;
    int tabOrder_ = -1;
};

TControl* asControl(QObject* object);

// The controls directly on `parent`, in creation order.
std::vector<TControl*> childControls(const QWidget& parent);

// Stacks the children of `parent`, and theirs in turn: graphic controls in
// creation order, then windowed controls in creation order, each above the
// previous.
void restackChildren(QWidget& parent);

// Tells every control inside `window`, at any depth, that loading has
// finished.
void notifyLoaded(QWidget& window);

// Places the aligned children of `parent` inside `area`.
void alignChildren(QWidget& parent, Bounds area);

// A control that holds other controls and places its aligned children.
class TContainer {
public:
    virtual ~TContainer() = default;
    virtual void realign() = 0;
};

}  // namespace tcm::toolkit
