#pragma once

#include "form_compiler/form_document.h"
#include "stream/object_record.h"

namespace tcm::tools {

// The stream's view of a parsed form. Every name and byte in the result
// points into `form`, which must outlive it.
stream::ObjectRecord buildRecord(const FormObject& form);

}  // namespace tcm::tools
