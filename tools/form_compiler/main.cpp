// tcm-formc: compiles a text form into the binary component stream the
// viewer embeds.

#include "form_compiler/depfile.h"
#include "form_compiler/form_compiler.h"
#include "form_text/form_error.h"

#include <fstream>
#include <iostream>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr const char* kUsage =
    "usage: tcm-formc INPUT.form OUTPUT.stream [--depfile FILE] [--methods Name1,Name2,...] [--no-schema]\n"
    "  --depfile FILE   write a Make-style depfile naming the form and every file it includes\n"
    "  --methods LIST   handler methods of the form; handler properties must name one of them\n"
    "  --no-schema      accept any class and property (still checks syntax and object names)\n";

struct Arguments {
    std::string input;
    std::string output;
    std::string depfile;
    tcm::tools::ValidationOptions validation;
};

std::vector<std::string> splitCommas(std::string_view list)
{
    std::vector<std::string> out;
    while (!list.empty()) {
        const std::size_t comma = list.find(',');
        const std::string_view item = list.substr(0, comma);
        if (!item.empty())
            out.emplace_back(item);
        list.remove_prefix(comma == std::string_view::npos ? list.size() : comma + 1);
    }
    return out;
}

// Accepts "--name VALUE" and "--name=VALUE".
bool optionValue(std::string_view arg, std::string_view name, int& i, int argc, char** argv, std::string& value)
{
    if (arg == name) {
        if (i + 1 >= argc)
            throw std::runtime_error(std::string(name) + " needs a value");
        value = argv[++i];
        return true;
    }
    if (arg.size() > name.size() && arg.starts_with(name) && arg[name.size()] == '=') {
        value = std::string(arg.substr(name.size() + 1));
        return true;
    }
    return false;
}

std::optional<Arguments> parseArguments(int argc, char** argv)
{
    Arguments a;
    std::vector<std::string> positional;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        std::string value;
        if (arg == "-h" || arg == "--help")
            return std::nullopt;
        if (optionValue(arg, "--depfile", i, argc, argv, value))
            a.depfile = value;
        else if (optionValue(arg, "--methods", i, argc, argv, value))
            a.validation.methods = splitCommas(value);
        else if (arg == "--no-schema")
            a.validation.useSchema = false;
        else if (arg.starts_with("--"))
            throw std::runtime_error("unknown option " + std::string(arg));
        else
            positional.emplace_back(arg);
    }
    if (positional.size() != 2)
        throw std::runtime_error("expected an input and an output file");
    a.input = positional[0];
    a.output = positional[1];
    return a;
}

void writeFile(const std::string& path, const char* data, std::size_t size)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(data, static_cast<std::streamsize>(size));
    out.close();
    if (!out)
        throw std::runtime_error("cannot write '" + path + "'");
}

}  // namespace

int main(int argc, char** argv)
{
    std::optional<Arguments> args;
    try {
        args = parseArguments(argc, argv);
        if (!args) {
            std::cout << kUsage;
            return 0;
        }
    } catch (const std::exception& e) {
        std::cerr << "tcm-formc: " << e.what() << "\n" << kUsage;
        return 2;
    }

    try {
        const tcm::tools::CompiledForm compiled = tcm::tools::compileFormFile(args->input, args->validation);
        writeFile(args->output, reinterpret_cast<const char*>(compiled.stream.data()), compiled.stream.size());
        if (!args->depfile.empty()) {
            const std::string text = tcm::tools::makeDepfile(args->output, compiled.dependencies);
            writeFile(args->depfile, text.data(), text.size());
        }
    } catch (const tcm::tools::FormError& e) {
        std::cerr << e.what() << "\n";
        return 1;
    } catch (const std::exception& e) {
        std::cerr << "tcm-formc: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
