#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace tcm::tools {

// Reads the files a form includes. Relative paths are taken from the form's
// own folder, so a form compiles the same from any working directory. Every
// file asked for is remembered, in first-use order, for the depfile.
class ContentLoader {
public:
    explicit ContentLoader(std::filesystem::path baseDir);

    // The file's bytes. Throws std::runtime_error naming the file and the cause.
    std::string read(const std::string& path);

    const std::vector<std::filesystem::path>& dependencies() const noexcept { return dependencies_; }

private:
    std::filesystem::path baseDir_;
    std::vector<std::filesystem::path> dependencies_;
};

}  // namespace tcm::tools
