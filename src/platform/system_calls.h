// Every Win32 function the program calls goes through this table, so that a test can put a fake
// in place of one entry (to make it fail with an error code of its choosing) and restore it.
// Production code calls the typed accessors, osCreateFileA(...) and so on, never the API directly.
#pragma once

#include <windows.h>

#define DESKROTATE_SYSTEM_CALLS(X) \
    X(GetWindowsDirectoryA)        \
    X(GetSystemDirectoryA)         \
    X(GetVersionExA)               \
    X(GetSystemTime)               \
    X(ExitProcess)                 \
    X(GetModuleFileNameA)          \
    X(GetModuleHandleExA)          \
    X(CreateFileA)                 \
    X(ReadFile)                    \
    X(CloseHandle)                 \
    X(GetLastError)                \
    X(FindFirstFileA)              \
    X(FindClose)                   \
    X(FileTimeToLocalFileTime)     \
    X(FileTimeToDosDateTime)       \
    X(GetPrivateProfileStringA)    \
    X(WritePrivateProfileStringA)  \
    X(GetShortPathNameA)           \
    X(GetCPInfo)                   \
    X(RegOpenKeyExA)               \
    X(RegQueryValueExA)            \
    X(RegSetValueExA)              \
    X(RegCloseKey)                 \
    X(CharUpperBuffA)              \
    X(MessageBoxA)                 \
    X(GetSystemMetrics)            \
    X(GetStdHandle)                \
    X(GetConsoleMode)              \
    X(WriteConsoleW)               \
    X(WriteFile)                   \
    X(MultiByteToWideChar)         \
    X(WideCharToMultiByte)

enum class SystemCallId {
#define DESKROTATE_SYSTEM_CALL_ID(name) name,
    DESKROTATE_SYSTEM_CALLS(DESKROTATE_SYSTEM_CALL_ID)
#undef DESKROTATE_SYSTEM_CALL_ID
    Count
};

// The generic function type, to which every entry converts and back without a warning.
using SystemCallPointer = void (*)();

struct SystemCall {
    const char* name;
    SystemCallPointer current;
    SystemCallPointer original;
};

extern SystemCall systemCalls[static_cast<int>(SystemCallId::Count)];

#define DESKROTATE_SYSTEM_CALL_ACCESSOR(name)                                                 \
    template <typename... Arguments>                                                          \
    inline auto os##name(Arguments... arguments)                                              \
    {                                                                                         \
        return reinterpret_cast<decltype(&::name)>(                                           \
            systemCalls[static_cast<int>(SystemCallId::name)].current)(arguments...);         \
    }
DESKROTATE_SYSTEM_CALLS(DESKROTATE_SYSTEM_CALL_ACCESSOR)
#undef DESKROTATE_SYSTEM_CALL_ACCESSOR

// Puts fn in place of the named entry; a null fn restores that entry, a null name restores all.
// Returns false, changing nothing, for a name that is not in the table.
bool SetSystemCall(const char* name, SystemCallPointer fn);

// The function currently in place of the named entry, or null for an unknown name.
SystemCallPointer GetSystemCall(const char* name);
