#include "exceptions.h"

namespace tcm::toolkit {

// Not inlined, so the return address is the code that raised the exception.
__attribute__((noinline)) Exception::Exception(std::string message)
    : message_(std::move(message)), raiseAddress_(__builtin_return_address(0))
{
}

}  // namespace tcm::toolkit
