// Puts a fake in place of one system call for the life of the object, and restores the real one.
#pragma once

#include "platform/system_calls.h"

#include <gtest/gtest.h>

#include <string>

class SystemCallOverride {
public:
    SystemCallOverride(const char* name, SystemCallPointer fake) : name_(name)
    {
        EXPECT_TRUE(SetSystemCall(name, fake)) << name;
    }
    SystemCallOverride(const SystemCallOverride&) = delete;
    SystemCallOverride& operator=(const SystemCallOverride&) = delete;
    ~SystemCallOverride() { SetSystemCall(name_.c_str(), nullptr); }

private:
    std::string name_;
};

// Overrides the named entry with a fake of exactly the API's type.
#define OVERRIDE_SYSTEM_CALL(name, fake)                                             \
    SystemCallOverride override_##name(#name, reinterpret_cast<SystemCallPointer>(             \
                                                  static_cast<decltype(&::name)>(fake)))

// The error code that the failing fakes below report through SetLastError.
extern DWORD injectedError;

HANDLE WINAPI FailingCreateFileA(LPCSTR, DWORD, DWORD, LPSECURITY_ATTRIBUTES, DWORD, DWORD, HANDLE);
BOOL WINAPI FailingReadFile(HANDLE, LPVOID, DWORD, LPDWORD, LPOVERLAPPED);
// Closes the handle for real, so that nothing leaks, and then reports failure.
BOOL WINAPI FailingCloseHandle(HANDLE);
