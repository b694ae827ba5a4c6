#pragma once

#include <QIcon>

#include <string_view>

namespace tcm::toolkit {

// The resource name of the program's icon group.
inline constexpr std::string_view programIconName = "MAINICON";

// Reads the icon group `name` and every icon image it lists from the
// executable's resources (an image's resource name is its number). Throws
// EResNotFound for a missing group or image and EInvalidGraphic for one that
// cannot be read.
QIcon readIconResource(std::string_view name);

// The icon group `name` as an icon, or the style's default icon, without any
// message, when it is missing or cannot be read.
QIcon loadProgramIcon(std::string_view name = programIconName);

}  // namespace tcm::toolkit
