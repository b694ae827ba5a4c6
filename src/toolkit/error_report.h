#pragma once

#include "exceptions.h"

#include <cstdint>
#include <string>

class QString;

namespace tcm::toolkit {

// The module (executable or shared library) holding a code address, by file
// name without directory, and the address's offset from the module's start.
struct CodeLocation {
    std::string module;
    std::uint32_t offset = 0;
};
CodeLocation locateCode(const void* address);

// The start-up failure report of the exception being handled. Call it only
// inside a catch block.
std::string currentExceptionReport();

// A modal error box with one OK button; returns when it is dismissed.
void showErrorBox(const QString& caption, const QString& text);

// Reports the exception being handled as a start-up failure: an ownerless
// box captioned "Application Error". Call it only inside a catch block.
void reportStartupFailure();

}  // namespace tcm::toolkit
