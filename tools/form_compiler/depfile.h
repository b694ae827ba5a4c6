#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace tcm::tools {

// A Make-style dependency file: "TARGET: DEP DEP ...", one dependency per
// continued line, with spaces, '#' and '$' escaped the way make and ninja
// read them.
std::string makeDepfile(const std::string& target, const std::vector<std::filesystem::path>& dependencies);

}  // namespace tcm::tools
