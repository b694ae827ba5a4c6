#pragma once

#include <string>
#include <string_view>

namespace tcm::toolkit {

// The toolkit's exception class. Each one remembers the code address that
// raised it, for the start-up failure report.
class Exception {
public:
    explicit Exception(std::string message);
    virtual ~Exception() = default;

    const std::string& message() const noexcept { return message_; }
    virtual const char* className() const noexcept { return "Exception"; }
    const void* raiseAddress() const noexcept { return raiseAddress_; }

private:
    std::string message_;
    const void* raiseAddress_;
};

#define TCM_EXCEPTION_CLASS(Name, Base)                                         \
    class Name : public Base {                                                 \
    public:                                                                    \
        using Base::Base;                                                      \
        const char* className() const noexcept override { return #Name; }      \
    }

// A silent exception: it ends what is being done without any message.
class EAbort : public Exception {
public:
    EAbort() : Exception("Operation aborted") {}
    const char* className() const noexcept override { return "EAbort"; }
};

TCM_EXCEPTION_CLASS(EResNotFound, Exception);
TCM_EXCEPTION_CLASS(EFilerError, Exception);
TCM_EXCEPTION_CLASS(EReadError, EFilerError);
TCM_EXCEPTION_CLASS(EClassNotFound, EFilerError);
TCM_EXCEPTION_CLASS(EMethodNotFound, EFilerError);
TCM_EXCEPTION_CLASS(EInvalidGraphic, Exception);

}  // namespace tcm::toolkit
