#include "message_text.h"

#include <cstdio>

namespace tcm::toolkit {

std::string errorDisplayText(std::string_view message)
{
    std::string text(message);
    if (!text.empty() && static_cast<unsigned char>(text.back()) > static_cast<unsigned char>('.'))
        text += '.';
    return text;
}

std::string startupFailureText(std::string_view className, std::string_view moduleName,
                               std::uint32_t codeOffset, std::string_view message)
{
    char address[9];
    std::snprintf(address, sizeof address, "%08X", static_cast<unsigned>(codeOffset));

    std::string text = "Exception ";
    text.append(className).append(" in module ").append(moduleName);
    text.append(" at ").append(address).append(".\r\n");
    text.append(message);
    if (!message.empty() && message.back() != '.')
        text += '.';
    text += "\r\n";
    return text;
}

}  // namespace tcm::toolkit
