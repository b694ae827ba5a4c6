#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tcm::tools {

// Writes a made content file whole and reports its size; throws
// std::runtime_error when it cannot.
void writeFile(const std::string& path, const std::vector<std::uint8_t>& bytes);

}  // namespace tcm::tools
