#include "write_file.h"

#include <fstream>
#include <iostream>
#include <stdexcept>

namespace tcm::tools {

void writeFile(const std::string& path, const std::vector<std::uint8_t>& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!out.flush())
        throw std::runtime_error("cannot write " + path);
    std::cout << path << ": " << bytes.size() << " bytes\n";
}

}  // namespace tcm::tools
