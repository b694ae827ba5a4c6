#include "form_compiler/record_builder.h"

namespace tcm::tools {

namespace {

stream::Value buildValue(const FormValue& v)
{
    stream::Value out;
    out.tag = v.tag;
    out.integer = v.integer;
    out.data = stream::Bytes(reinterpret_cast<const std::uint8_t*>(v.data.data()), v.data.size());
    for (const FormValue& item : v.items)
        out.items.push_back(buildValue(item));
    for (const std::string& name : v.names)
        out.names.push_back(name);
    return out;
}

}  // namespace

stream::ObjectRecord buildRecord(const FormObject& form)
{
    stream::ObjectRecord out;
    out.className = form.className;
    out.name = form.name;
    for (const FormProperty& p : form.properties)
        out.properties.push_back({p.name, buildValue(p.value)});
    for (const FormObject& child : form.children)
        out.children.push_back(buildRecord(child));
    return out;
}

}  // namespace tcm::tools
