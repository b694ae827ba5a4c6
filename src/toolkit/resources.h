#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

// Resources are linked into each executable as a table built at build time
// (see cmake/EmbedResources.cmake). An executable built without resources
// links an empty table.
extern "C" {
struct TcmResourceEntry {
    const char* type;
    const char* name;
    const unsigned char* begin;
    const unsigned char* end;
};
extern const TcmResourceEntry tcm_resource_table[];
extern const std::size_t tcm_resource_count;
}

namespace tcm::toolkit {

inline constexpr std::string_view RT_RCDATA = "RCDATA";
inline constexpr std::string_view RT_GROUP_ICON = "GROUP_ICON";
inline constexpr std::string_view RT_ICON = "ICON";

// The bytes of the resource of that type and name; both are compared without
// regard to case. No value when the executable holds no such resource.
std::optional<std::span<const std::uint8_t>> findResource(std::string_view type,
                                                          std::string_view name);

}  // namespace tcm::toolkit
