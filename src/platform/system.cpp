#include "platform/system.h"

#include "platform/system_calls.h"

#include <cstring>

std::string WindowsDirectory()
{
    char buffer[MAX_PATH] = {};
    osGetWindowsDirectoryA(buffer, MAX_PATH);
    return std::string(buffer, strnlen(buffer, MAX_PATH));
}

std::string SystemDirectory()
{
    char buffer[MAX_PATH] = {};
    osGetSystemDirectoryA(buffer, MAX_PATH);
    return std::string(buffer, strnlen(buffer, MAX_PATH));
}

namespace {

// The version query's answer; all zero when it fails.
OSVERSIONINFOA VersionInfo()
{
    OSVERSIONINFOA version;
    std::memset(&version, 0, sizeof version);
    version.dwOSVersionInfoSize = sizeof version;
    if (!osGetVersionExA(&version)) std::memset(&version, 0, sizeof version);
    return version;
}

}  // namespace

uint32_t PlatformId()
{
    return VersionInfo().dwPlatformId;
}

bool IsWindows8OrLater()
{
    const OSVERSIONINFOA version = VersionInfo();
    return version.dwPlatformId == WindowsNtFamily &&
           (version.dwMajorVersion > 6 || (version.dwMajorVersion == 6 && version.dwMinorVersion >= 2));
}

uint32_t MillisecondsOfDay()
{
    SYSTEMTIME now;
    osGetSystemTime(&now);
    return ((now.wHour * 60u + now.wMinute) * 60u + now.wSecond) * 1000u + now.wMilliseconds;
}

void FindModuleOf(const void* address, char* fileName, size_t fileNameSize, uintptr_t* offset)
{
    HMODULE module = nullptr;
    *offset = 0;
    if (address != nullptr &&
        osGetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                             static_cast<LPCSTR>(address), &module)) {
        *offset = reinterpret_cast<uintptr_t>(address) - reinterpret_cast<uintptr_t>(module);
    } else {
        module = nullptr;
    }
    // A path too long for the buffer comes back cut, which can only lose folders before the name.
    char path[MAX_PATH * 4];
    const DWORD length = osGetModuleFileNameA(module, path, sizeof path);
    path[length < sizeof path ? length : sizeof path - 1] = '\0';
    const char* name = std::strrchr(path, '\\');
    name = name != nullptr ? name + 1 : path;
    std::strncpy(fileName, name, fileNameSize - 1);
    fileName[fileNameSize - 1] = '\0';
}

void ShowErrorBox(const char* text, const char* caption)
{
    osMessageBoxA(nullptr, text, caption, MB_OK | MB_ICONERROR | MB_TASKMODAL);
}

void EndProcess(uint32_t exitCode)
{
    osExitProcess(exitCode);
    // A test's stand-in for ExitProcess ends the run by throwing; the real one never returns.
    __builtin_unreachable();
}
