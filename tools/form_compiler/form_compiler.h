#pragma once

#include "form_compiler/form_validator.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace tcm::tools {

struct CompiledForm {
    std::vector<std::uint8_t> stream;                   // "TPF0" and the root record
    std::vector<std::filesystem::path> dependencies;    // the form file first, then every included file
};

// Parses, validates and writes a text form given as text. `fileName` is used
// in messages; included files are looked up from `baseDir`. Throws FormError.
CompiledForm compileFormText(std::string_view source, const std::string& fileName,
                             const std::filesystem::path& baseDir, const ValidationOptions& options);

// The same for a form file; included files are relative to its folder.
// Throws FormError, or std::runtime_error when the file cannot be read.
CompiledForm compileFormFile(const std::filesystem::path& path, const ValidationOptions& options);

}  // namespace tcm::tools
