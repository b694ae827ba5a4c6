#pragma once

#include <string>
#include <string_view>

namespace tcm::toolkit {

// The application's title when the program sets none: the executable's file
// name, cut at its first dot, lowered after the first character
// ("VIEWER.EXE" -> "Viewer", "my.tool.exe" -> "my").
std::string defaultTitle(std::string_view executablePath);

}  // namespace tcm::toolkit
