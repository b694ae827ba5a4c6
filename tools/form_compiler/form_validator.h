#pragma once

#include "form_compiler/form_document.h"

#include <optional>
#include <string>
#include <vector>

namespace tcm::tools {

struct ValidationOptions {
    // Check classes, properties and values against the known classes. Off,
    // any class and property is accepted (for streams made elsewhere).
    bool useSchema = true;
    // Handler methods the form defines. When given, every handler property
    // must name one of them.
    std::optional<std::vector<std::string>> methods;
};

// Checks a parsed form before it is written: object names are unique in the
// whole tree, and (with the schema) every class is known, every property
// belongs to its class, is set once and holds a value it accepts. Throws
// FormError at the first fault.
void validateForm(const FormObject& root, const std::string& fileName, const ValidationOptions& options);

}  // namespace tcm::tools
