#pragma once

#include "form_compiler/form_compiler.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <unistd.h>
#include <vector>

namespace tcm::tools::test {

// "0A ff 01" -> the three bytes; spaces are ignored.
inline std::string hexBytes(std::string_view hex)
{
    const auto digit = [](char c) { return c <= '9' ? c - '0' : (c | 0x20) - 'a' + 10; };
    std::string out;
    for (std::size_t i = 0; i < hex.size(); ++i) {
        if (hex[i] == ' ')
            continue;
        out.push_back(static_cast<char>(digit(hex[i]) * 16 + digit(hex[i + 1])));
        ++i;
    }
    return out;
}

inline std::string asString(const std::vector<std::uint8_t>& bytes)
{
    return {bytes.begin(), bytes.end()};
}

inline ValidationOptions noSchema()
{
    ValidationOptions o;
    o.useSchema = false;
    return o;
}

// Compiles form text whose includes (if any) resolve from `baseDir`.
inline std::string compileText(std::string_view source, const ValidationOptions& options = noSchema(),
                               const std::filesystem::path& baseDir = ".")
{
    return asString(compileFormText(source, "test.form", baseDir, options).stream);
}

// A fresh folder under the system temp folder, removed again afterwards.
class TempDir {
public:
    TempDir()
    {
        static std::atomic<int> counter{0};
        path_ = std::filesystem::temp_directory_path()
              / ("tcm-form-test-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
        std::filesystem::create_directories(path_);
    }
    ~TempDir() { std::filesystem::remove_all(path_); }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return path_; }

    std::filesystem::path write(const std::string& relative, std::string_view bytes) const
    {
        const std::filesystem::path file = path_ / relative;
        std::filesystem::create_directories(file.parent_path());
        std::ofstream(file, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        return file;
    }

private:
    std::filesystem::path path_;
};

}  // namespace tcm::tools::test
