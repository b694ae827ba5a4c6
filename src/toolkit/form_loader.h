#pragma once

#include "class_registry.h"
#include "property_values.h"
#include "stream/object_record.h"

class QObject;
class QWidget;

namespace tcm::toolkit {

class TForm;

// Applies a window description to a window: creates the controls in stream
// order through the class registry, applies each control's stored
// properties in stored order before its children, and binds each control to
// the window's published field of the same name. A property stored twice is
// applied twice, so the later value wins.
class FormLoader {
public:
    // Controls of the window itself become children of `clientArea`.
    FormLoader(TForm& form, QWidget& clientArea);
    void load(const stream::ObjectRecord& root);

private:
    void applyProperties(QObject& target, const ClassInfo& cls, const stream::ObjectRecord& record);
    void createChildren(QWidget& parent, const stream::ObjectRecord& record);
    void bindField(QObject& control);

    TForm& form_;
    QWidget& clientArea_;
    LoadContext context_;
};

}  // namespace tcm::toolkit
