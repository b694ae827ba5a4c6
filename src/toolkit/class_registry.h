#pragma once

#include "stream/value.h"

#include <span>
#include <string_view>

class QObject;
class QWidget;

namespace tcm::toolkit {

class LoadContext;

// Applies one stored value to an object of the class that declares the property.
using PropertySetter = void (*)(QObject& target, const stream::Value& value, LoadContext& context);

struct PropertyInfo {
    std::string_view name;  // as stored, dotted for sub-objects ("Font.Height")
    PropertySetter set;
};

// What the loader knows of a class: how to create an instance and which
// stored properties it takes (its own, then its base class's).
struct ClassInfo {
    std::string_view name;
    const ClassInfo* base = nullptr;
    QObject* (*create)(QWidget* parent) = nullptr;  // null for classes never created by name
    std::span<const PropertyInfo> properties;

    const PropertyInfo* findProperty(std::string_view property) const;
};

// Makes a class creatable by name from a window description.
void registerClass(const ClassInfo& info);
// The registered class of that name, or null.
const ClassInfo* findClass(std::string_view name);

}  // namespace tcm::toolkit
