#pragma once

#include <cstddef>

namespace tcm::tools {

// A place in a text form: 1-based line and column, the column counted in
// characters (UTF-8 code points), so an editor's cursor lands on it.
struct SourcePos {
    std::size_t line = 1;
    std::size_t column = 1;
};

}  // namespace tcm::tools
