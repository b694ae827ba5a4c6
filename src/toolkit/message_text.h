#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tcm::toolkit {

// Text of the error display: the message with "." appended when it is not
// empty and its last character sorts above "." (so messages ending in ".",
// "!", ")", "," or a blank stay as they are).
std::string errorDisplayText(std::string_view message);

// Text of the start-up failure report:
// "Exception %s in module %s at %p.\r\n%s%s\r\n" with the exception's class
// name, the module's file name, the code offset in that module as eight
// upper-case hexadecimal digits, the message, and "." when the message is not
// empty and does not end in ".".
std::string startupFailureText(std::string_view className, std::string_view moduleName,
                               std::uint32_t codeOffset, std::string_view message);

}  // namespace tcm::toolkit
