#include "form_text/form_error.h"

namespace tcm::tools {

FormError::FormError(const std::string& file, SourcePos pos, const std::string& message)
    : std::runtime_error(file + ":" + std::to_string(pos.line) + ":" + std::to_string(pos.column)
                         + ": error: " + message),
      pos_(pos),
      message_(message)
{
}

}  // namespace tcm::tools
