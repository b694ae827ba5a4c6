#include "class_registry.h"

#include <vector>

namespace tcm::toolkit {

namespace {

std::vector<const ClassInfo*>& registry()
{
    static std::vector<const ClassInfo*> classes;
    return classes;
}

}  // namespace

const PropertyInfo* ClassInfo::findProperty(std::string_view property) const
{
    for (const ClassInfo* c = this; c; c = c->base) {
        for (const PropertyInfo& p : c->properties)
            if (p.name == property)
                return &p;
    }
    return nullptr;
}

void registerClass(const ClassInfo& info)
{
    if (!findClass(info.name))
        registry().push_back(&info);
}

const ClassInfo* findClass(std::string_view name)
{
    for (const ClassInfo* c : registry())
        if (c->name == name)
            return c;
    return nullptr;
}

}  // namespace tcm::toolkit
