#include "form_compiler/content_blocks.h"

#include "form_text/utf8.h"

#include <cstdint>
#include <limits>
#include <stdexcept>

namespace tcm::tools {

namespace {

void appendLength32(std::string& out, std::size_t length)
{
    if (length > std::numeric_limits<std::uint32_t>::max())
        throw std::invalid_argument("file is too large for a 32-bit length");
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<char>((length >> (8 * i)) & 0xFF));
}

}  // namespace

std::string pictureBlock(std::string_view graphicClass, std::string_view fileBytes)
{
    if (graphicClass.empty() || graphicClass.size() > 255)
        throw std::invalid_argument("a picture's class name must be 1 to 255 bytes long");
    std::string out;
    out.reserve(1 + graphicClass.size() + 4 + fileBytes.size());
    out.push_back(static_cast<char>(graphicClass.size()));
    out += graphicClass;
    appendLength32(out, fileBytes.size());
    out += fileBytes;
    return out;
}

std::string glyphBlock(std::string_view fileBytes)
{
    std::string out;
    out.reserve(4 + fileBytes.size());
    appendLength32(out, fileBytes.size());
    out += fileBytes;
    return out;
}

std::vector<std::string> textLines(std::string_view text)
{
    if (text.starts_with("\xEF\xBB\xBF"))
        text.remove_prefix(3);
    std::vector<std::string> lines;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (line.ends_with('\r'))
            line.remove_suffix(1);
        if (utf8::firstInvalid(line) != std::string_view::npos)
            throw std::invalid_argument("line " + std::to_string(lines.size() + 1)
                                        + " is not valid UTF-8");
        lines.emplace_back(line);
    }
    return lines;
}

}  // namespace tcm::tools
