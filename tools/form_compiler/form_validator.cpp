#include "form_compiler/form_validator.h"

#include "form_compiler/form_schema.h"
#include "form_text/form_error.h"

#include <algorithm>
#include <map>
#include <span>

namespace tcm::tools {

namespace {

using stream::ValueTag;

std::string where(SourcePos pos)
{
    return std::to_string(pos.line) + ":" + std::to_string(pos.column);
}

// "a, b, c"; long tables are cut short so the message stays one line.
template <typename Names>
std::string joined(const Names& names, std::size_t limit = 12)
{
    std::string out;
    std::size_t shown = 0;
    for (const auto& n : names) {
        if (shown == limit)
            return out + ", ...";
        out += (shown++ ? ", " : "") + std::string(n);
    }
    return out.empty() ? "none" : out;
}

std::string describeValue(const FormValue& v)
{
    switch (v.tag) {
    case ValueTag::Int8:
    case ValueTag::Int16:
    case ValueTag::Int32: return "an integer";
    case ValueTag::True:
    case ValueTag::False: return "a boolean";
    case ValueTag::String:
    case ValueTag::LString: return "a string";
    case ValueTag::Utf8String: return "a UTF-8 string";
    case ValueTag::WString: return "a wide string";
    case ValueTag::Ident: return "the identifier '" + v.data + "'";
    case ValueTag::Binary: return "a byte block";
    case ValueTag::Set: return "a set";
    case ValueTag::List: return "a list";
    case ValueTag::Null: break;
    }
    return "a value";
}

bool isText(ValueTag tag)
{
    return tag == ValueTag::String || tag == ValueTag::LString || tag == ValueTag::Utf8String
        || tag == ValueTag::WString;
}

bool isInteger(ValueTag tag)
{
    return tag == ValueTag::Int8 || tag == ValueTag::Int16 || tag == ValueTag::Int32;
}

bool contains(std::span<const std::string_view> names, std::string_view name)
{
    return std::find(names.begin(), names.end(), name) != names.end();
}

class Validator {
public:
    Validator(const std::string& file, const ValidationOptions& options) : file_(file), options_(options) {}

    void object(const FormObject& obj)
    {
        if (!obj.name.empty()) {
            const auto [it, fresh] = objectNames_.emplace(obj.name, obj.namePos);
            if (!fresh)
                fail(obj.namePos, "duplicate object name '" + obj.name + "' (first used at "
                                      + where(it->second) + ")");
        }
        if (options_.useSchema)
            checkAgainstSchema(obj);
        for (const FormObject& child : obj.children)
            object(child);
    }

private:
    [[noreturn]] void fail(SourcePos pos, const std::string& message) const
    {
        throw FormError(file_, pos, message);
    }

    void checkAgainstSchema(const FormObject& obj)
    {
        const ClassSchema* cls = findClass(obj.className);
        if (!cls)
            fail(obj.classPos, "unknown class '" + obj.className + "' (known classes: "
                                   + joined(knownClassNames()) + ")");
        std::map<std::string, SourcePos> seen;
        for (const FormProperty& p : obj.properties) {
            const PropertySchema* schema = cls->find(p.name);
            if (!schema)
                fail(p.pos, std::string(cls->name) + " has no property '" + p.name + "'");
            const auto [it, fresh] = seen.emplace(p.name, p.pos);
            if (!fresh)
                fail(p.pos, "'" + p.name + "' is set twice (first at " + where(it->second) + ")");
            value(*schema, p.value);
        }
    }

    [[noreturn]] void wrongKind(const PropertySchema& schema, const FormValue& v) const
    {
        fail(v.pos, "'" + std::string(schema.name) + "' takes " + std::string(describe(schema.kind))
                        + ", not " + describeValue(v));
    }

    void member(const PropertySchema& schema, std::string_view name, SourcePos pos, const char* what) const
    {
        if (!contains(schema.names, name))
            fail(pos, "'" + std::string(name) + "' is not " + what + " of " + std::string(schema.name)
                          + " (one of: " + joined(schema.names) + ")");
    }

    void value(const PropertySchema& schema, const FormValue& v) const
    {
        switch (schema.kind) {
        case ValueKind::Integer:
            if (!isInteger(v.tag))
                wrongKind(schema, v);
            return;
        case ValueKind::Boolean:
            if (v.tag != ValueTag::True && v.tag != ValueTag::False)
                wrongKind(schema, v);
            return;
        case ValueKind::Text:
            if (!isText(v.tag))
                wrongKind(schema, v);
            return;
        case ValueKind::EnumOrInteger:
            if (isInteger(v.tag))
                return;
            [[fallthrough]];
        case ValueKind::Enum:
            if (v.tag != ValueTag::Ident)
                wrongKind(schema, v);
            member(schema, v.data, v.pos, "a value");
            return;
        case ValueKind::Set:
            if (v.tag != ValueTag::Set)
                wrongKind(schema, v);
            for (std::size_t i = 0; i < v.names.size(); ++i)
                member(schema, v.names[i], v.namePositions[i], "a member");
            return;
        case ValueKind::Bytes:
            if (v.tag != ValueTag::Binary)
                wrongKind(schema, v);
            return;
        case ValueKind::TextList:
            if (v.tag != ValueTag::List)
                wrongKind(schema, v);
            for (const FormValue& item : v.items)
                if (!isText(item.tag))
                    fail(item.pos, "'" + std::string(schema.name) + "' holds strings only, not "
                                       + describeValue(item));
            return;
        case ValueKind::Event: return handler(schema, v);
        }
    }

    void handler(const PropertySchema& schema, const FormValue& v) const
    {
        if (v.tag != ValueTag::Ident)
            wrongKind(schema, v);
        if (!options_.methods)
            return;
        const std::vector<std::string>& methods = *options_.methods;
        if (std::find(methods.begin(), methods.end(), v.data) == methods.end())
            fail(v.pos, "'" + v.data + "' is not a method of the form (methods: " + joined(methods) + ")");
    }

    const std::string& file_;
    const ValidationOptions& options_;
    std::map<std::string, SourcePos> objectNames_;
};

}  // namespace

void validateForm(const FormObject& root, const std::string& fileName, const ValidationOptions& options)
{
    Validator(fileName, options).object(root);
}

}  // namespace tcm::tools
