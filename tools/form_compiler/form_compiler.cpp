#include "form_compiler/form_compiler.h"

#include "form_compiler/content_loader.h"
#include "form_compiler/form_parser.h"
#include "form_compiler/record_builder.h"
#include "stream/stream_writer.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace tcm::tools {

CompiledForm compileFormText(std::string_view source, const std::string& fileName,
                             const std::filesystem::path& baseDir, const ValidationOptions& options)
{
    ContentLoader loader(baseDir);
    const FormObject form = parseForm(source, fileName, loader);
    validateForm(form, fileName, options);
    CompiledForm out;
    out.stream = stream::writeComponentStream(buildRecord(form));
    out.dependencies = loader.dependencies();
    return out;
}

CompiledForm compileFormFile(const std::filesystem::path& path, const ValidationOptions& options)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot read '" + path.string() + "': " + std::strerror(errno));
    const std::string source((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    CompiledForm out = compileFormText(source, path.string(), path.parent_path(), options);
    out.dependencies.insert(out.dependencies.begin(), std::filesystem::absolute(path).lexically_normal());
    return out;
}

}  // namespace tcm::tools
