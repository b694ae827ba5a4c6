#pragma once

#include "stream/value.h"

#include <QString>

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <utility>

class QObject;

namespace tcm::toolkit {

// The state of one description being applied: the window it builds, and the
// object and property being read, for error messages.
class LoadContext {
public:
    explicit LoadContext(QObject& root) : root_(root) {}
    QObject& root() const { return root_; }

    std::string objectName;
    std::string propertyName;

private:
    QObject& root_;
};

// Conversions of stored values; each throws EReadError("Invalid property value")
// when the value has the wrong kind.
std::int32_t asInteger(const stream::Value& v);
bool asBoolean(const stream::Value& v);
std::string_view asIdent(const stream::Value& v);
// A text value as shown on screen: 8-bit text is in the locale's character set.
QString asText(const stream::Value& v);

template <class E>
using EnumNames = std::span<const std::pair<std::string_view, E>>;

[[noreturn]] void throwInvalidValue();

// An identifier value looked up in a name-to-enumeration table.
template <class E>
E asEnum(const stream::Value& v, EnumNames<E> names)
{
    const std::string_view id = asIdent(v);
    for (const auto& [name, value] : names)
        if (name == id)
            return value;
    throwInvalidValue();
}

}  // namespace tcm::toolkit
