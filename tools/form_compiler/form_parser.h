#pragma once

#include "form_compiler/content_loader.h"
#include "form_compiler/form_document.h"

#include <string>
#include <string_view>

namespace tcm::tools {

// Deepest nesting the parser accepts, counted like the stream reader counts
// it (records and list values together), so every compiled form reads back.
inline constexpr std::size_t kMaxFormDepth = 64;

// Parses a whole text form into its one root object. File-content values
// (file, picture, glyph, lines) are read through `loader`. Checks the syntax
// and what the stream format itself demands (name lengths, integer ranges);
// class and property rules are checked afterwards. Throws FormError.
FormObject parseForm(std::string_view source, const std::string& fileName, ContentLoader& loader);

}  // namespace tcm::tools
