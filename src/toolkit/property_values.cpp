#include "property_values.h"

#include "exceptions.h"

#include "text/held_text.h"
#include "text/locale_codeset.h"

namespace tcm::toolkit {

using stream::ValueTag;

void throwInvalidValue()
{
    throw EReadError("Invalid property value");
}

std::int32_t asInteger(const stream::Value& v)
{
    if (!v.isInteger())
        throwInvalidValue();
    return v.integer;
}

bool asBoolean(const stream::Value& v)
{
    if (!v.isBoolean())
        throwInvalidValue();
    return v.tag == ValueTag::True;
}

std::string_view asIdent(const stream::Value& v)
{
    if (v.tag != ValueTag::Ident)
        throwInvalidValue();
    return v.text();
}

QString asText(const stream::Value& v)
{
    switch (v.tag) {
    case ValueTag::String:
    case ValueTag::LString: {
        // Stored 8-bit text is in the locale's character set, whatever Qt assumes.
        return QString::fromStdString(text::heldToUtf8(v.text(), text::localeCodeset()));
    }
    case ValueTag::Utf8String: {
        const std::string_view s = v.text();
        return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
    }
    case ValueTag::WString: {
        QString text;
        text.reserve(static_cast<qsizetype>(v.wideCount()));
        for (std::size_t i = 0; i < v.wideCount(); ++i)
            text.append(QChar(v.wideAt(i)));
        return text;
    }
    default:
        throwInvalidValue();
    }
}

}  // namespace tcm::toolkit
