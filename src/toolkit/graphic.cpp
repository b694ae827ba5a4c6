#include "graphic.h"

#include <vector>

namespace tcm::toolkit {

namespace {

std::vector<PictureFormat>& formats()
{
    static std::vector<PictureFormat> registered;
    return registered;
}

}  // namespace

void registerPictureFormat(std::string_view extensions, std::string_view description,
                           std::string_view className, GraphicFactory factory)
{
    if (findPictureClass(className))
        return;
    formats().push_back({std::string(extensions), std::string(description), std::string(className),
                         std::move(factory)});
}

const PictureFormat* findPictureClass(std::string_view className)
{
    for (const PictureFormat& f : formats())
        if (f.className == className)
            return &f;
    return nullptr;
}

}  // namespace tcm::toolkit
