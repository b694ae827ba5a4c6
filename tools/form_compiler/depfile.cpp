#include "form_compiler/depfile.h"

namespace tcm::tools {

namespace {

std::string escaped(const std::string& path)
{
    std::string out;
    for (char c : path) {
        if (c == ' ' || c == '#')
            out += '\\';
        else if (c == '$')
            out += '$';
        out += c;
    }
    return out;
}

}  // namespace

std::string makeDepfile(const std::string& target, const std::vector<std::filesystem::path>& dependencies)
{
    std::string out = escaped(target) + ":";
    for (const std::filesystem::path& dep : dependencies)
        out += " \\\n  " + escaped(dep.string());
    return out + "\n";
}

}  // namespace tcm::tools
