#include "default_title.h"

#include <cctype>

namespace tcm::toolkit {

std::string defaultTitle(std::string_view executablePath)
{
    // Both separators count: '/' is the path separator here, '\\' the one of
    // paths written the other way round.
    const auto slash = executablePath.find_last_of("/\\");
    std::string_view name =
        slash == std::string_view::npos ? executablePath : executablePath.substr(slash + 1);
    if (const auto dot = name.find('.'); dot != std::string_view::npos)
        name = name.substr(0, dot);

    std::string title(name);
    for (std::size_t i = 1; i < title.size(); ++i)
        title[i] = static_cast<char>(std::tolower(static_cast<unsigned char>(title[i])));
    return title;
}

}  // namespace tcm::toolkit
