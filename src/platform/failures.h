// The failures that end a run. Each is raised where it is detected and caught only by the
// failure report, which prints the class name, the code address and the message.
#pragma once

#include <cstdint>
#include <string>

class Exception {
public:
    // The address is the code address at which the failure was raised, or null when unknown.
    Exception(std::string message, const void* address);
    virtual ~Exception() = default;

    virtual const char* ClassName() const { return "Exception"; }
    const std::string& Message() const { return message_; }
    const void* Address() const { return address_; }

private:
    std::string message_;
    const void* address_;
};

class EInOutError : public Exception {
public:
    EInOutError(uint32_t code, const void* address);
    const char* ClassName() const override { return "EInOutError"; }
    uint32_t Code() const { return code_; }

private:
    uint32_t code_;
};

class ERegistryException : public Exception {
public:
    using Exception::Exception;
    const char* ClassName() const override { return "ERegistryException"; }
};

class EOutOfMemory : public Exception {
public:
    explicit EOutOfMemory(const void* address);
    const char* ClassName() const override { return "EOutOfMemory"; }
};

class ERangeError : public Exception {
public:
    explicit ERangeError(const void* address);
    const char* ClassName() const override { return "ERangeError"; }
};

class EIntOverflow : public Exception {
public:
    explicit EIntOverflow(const void* address);
    const char* ClassName() const override { return "EIntOverflow"; }
};

// The address of the instruction after the call to the current function, that is, a code address
// inside the caller. Raise helpers are kept out of line so that this names the place of the raise.
#define DESKROTATE_CALLER_ADDRESS() __builtin_extract_return_addr(__builtin_return_address(0))

[[noreturn]] void RaiseException(std::string message);
[[noreturn]] void RaiseInOutError(uint32_t code);
[[noreturn]] void RaiseRegistryException(std::string message);
[[noreturn]] void RaiseRangeError();
[[noreturn]] void RaiseIntOverflow();
