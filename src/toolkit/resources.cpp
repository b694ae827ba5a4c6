#include "resources.h"

#include <algorithm>
#include <cctype>

namespace tcm::toolkit {

namespace {

bool sameIgnoringCase(std::string_view a, std::string_view b)
{
    return std::ranges::equal(a, b, [](char x, char y) {
        return std::toupper(static_cast<unsigned char>(x)) ==
               std::toupper(static_cast<unsigned char>(y));
    });
}

}  // namespace

std::optional<std::span<const std::uint8_t>> findResource(std::string_view type,
                                                          std::string_view name)
{
    for (std::size_t i = 0; i < tcm_resource_count; ++i) {
        const TcmResourceEntry& e = tcm_resource_table[i];
        if (sameIgnoringCase(e.type, type) && sameIgnoringCase(e.name, name))
            return std::span<const std::uint8_t>(e.begin, e.end);
    }
    return std::nullopt;
}

}  // namespace tcm::toolkit
