#include "picture_value.h"

#include "graphic_error.h"

#include <cstdint>
#include <string>

namespace tcm::graphics {

namespace {

std::string byteCount(std::uint64_t n)
{
    return std::to_string(n) + (n == 1 ? " byte" : " bytes");
}

}  // namespace

stream::Bytes readSizedFile(stream::Bytes block, std::string_view owner)
{
    const std::string name(owner);
    if (block.size() < 4)
        throw GraphicError(name + " value ends inside its file length (" + std::to_string(block.size()) +
                           " of 4 bytes)");
    const std::uint32_t length = std::uint32_t{block[0]} | (std::uint32_t{block[1]} << 8) |
                                 (std::uint32_t{block[2]} << 16) | (std::uint32_t{block[3]} << 24);
    const std::size_t left = block.size() - 4;
    if (length > left)
        throw GraphicError(name + " file of " + byteCount(length) + " runs past the end (" + byteCount(left) +
                           " left)");
    if (length < left)
        throw GraphicError(name + " value has " + byteCount(left - length) + " of unexpected data after its file");
    return block.subspan(4, length);
}

PictureValue readPictureValue(stream::Bytes value)
{
    if (value.empty())
        throw GraphicError("Picture value is empty");
    const std::size_t nameLength = value[0];
    const std::size_t left = value.size() - 1;
    if (nameLength > left)
        throw GraphicError("Picture class name of " + byteCount(nameLength) + " runs past the end (" +
                           byteCount(left) + " left)");
    PictureValue result;
    result.className = std::string_view(reinterpret_cast<const char*>(value.data() + 1), nameLength);
    result.file = readSizedFile(value.subspan(1 + nameLength), "Picture");
    return result;
}

}  // namespace tcm::graphics
