#include "program_icon.h"

#include "exceptions.h"
#include "masked_image.h"
#include "raster_drawing.h"
#include "resources.h"

#include "graphics/graphic_error.h"
#include "graphics/icon_reader.h"

#include <QApplication>
#include <QPixmap>
#include <QStyle>

#include <string>

namespace tcm::toolkit {

namespace {

std::span<const std::uint8_t> resource(std::string_view type, std::string_view name)
{
    const auto bytes = findResource(type, name);
    if (!bytes)
        throw EResNotFound("Resource " + std::string(name) + " not found");
    return *bytes;
}

}  // namespace

QIcon readIconResource(std::string_view name)
{
    QIcon icon;
    try {
        for (const graphics::IconGroupEntry& entry : graphics::readIconGroup(resource(RT_GROUP_ICON, name))) {
            const graphics::MaskedImage image = graphics::readIconImage(
                resource(RT_ICON, std::to_string(entry.imageId)), displayPixelFormat);
            icon.addPixmap(QPixmap::fromImage(maskedImage(image.pixels, image.mask)));
        }
    } catch (const graphics::GraphicError& e) {
        throw EInvalidGraphic(e.what());
    }
    return icon;
}

QIcon loadProgramIcon(std::string_view name)
{
    try {
        return readIconResource(name);
    } catch (const Exception&) {
        // A program without a usable icon still runs; it shows the default one.
        return QApplication::style()->standardIcon(QStyle::SP_DesktopIcon);
    }
}

}  // namespace tcm::toolkit
