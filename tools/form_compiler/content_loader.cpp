#include "form_compiler/content_loader.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <utility>

namespace tcm::tools {

ContentLoader::ContentLoader(std::filesystem::path baseDir) : baseDir_(std::move(baseDir)) {}

std::string ContentLoader::read(const std::string& path)
{
    const std::filesystem::path resolved =
        std::filesystem::absolute(baseDir_ / std::filesystem::path(path)).lexically_normal();
    if (std::find(dependencies_.begin(), dependencies_.end(), resolved) == dependencies_.end())
        dependencies_.push_back(resolved);

    if (std::filesystem::is_directory(resolved))
        throw std::runtime_error("cannot read '" + resolved.string() + "': it is a folder");
    std::ifstream in(resolved, std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot read '" + resolved.string() + "': " + std::strerror(errno));
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad())
        throw std::runtime_error("cannot read '" + resolved.string() + "': read error");
    return bytes;
}

}  // namespace tcm::tools
