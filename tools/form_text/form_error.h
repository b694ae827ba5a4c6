#pragma once

#include "form_text/source_pos.h"

#include <stdexcept>
#include <string>

namespace tcm::tools {

// A fault in a text form. what() reads "FILE:LINE:COLUMN: error: MESSAGE",
// the shape editors and build logs link back to the source.
class FormError : public std::runtime_error {
public:
    FormError(const std::string& file, SourcePos pos, const std::string& message);

    SourcePos pos() const noexcept { return pos_; }
    const std::string& message() const noexcept { return message_; }

private:
    SourcePos pos_;
    std::string message_;
};

}  // namespace tcm::tools
