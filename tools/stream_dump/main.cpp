// tcm-dump: prints a binary component stream as a text form, which
// tcm-formc compiles back to the same bytes.

#include "form_text/form_printer.h"
#include "stream/stream_error.h"
#include "stream/stream_reader.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string_view>
#include <vector>

int main(int argc, char** argv)
{
    constexpr const char* kUsage = "usage: tcm-dump INPUT.stream   (the text form goes to standard output)\n";
    if (argc == 2 && (std::string_view(argv[1]) == "-h" || std::string_view(argv[1]) == "--help")) {
        std::cout << kUsage;
        return 0;
    }
    if (argc != 2) {
        std::cerr << kUsage;
        return 2;
    }

    std::ifstream in(argv[1], std::ios::binary);
    if (!in) {
        std::cerr << "tcm-dump: cannot read '" << argv[1] << "': " << std::strerror(errno) << "\n";
        return 1;
    }
    const std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());

    try {
        const tcm::stream::ObjectRecord root = tcm::stream::readComponentStream(bytes);
        std::cout << tcm::tools::printForm(root);
    } catch (const tcm::stream::StreamError& e) {
        std::cerr << argv[1] << ": " << e.what() << "\n";
        return 1;
    }
    std::cout.flush();
    return std::cout ? 0 : 1;
}
