// The rest of what the run needs from the operating system.
#pragma once

#include <cstdint>
#include <string>

// The Windows and the system directory, each as filled into 260 characters, up to the first NUL;
// a buffer that the system does not fill reads as "".
std::string WindowsDirectory();
std::string SystemDirectory();

// dwPlatformId of the version query: 1 for the Windows 95 family, 2 for the NT family, 0 when the
// query fails.
uint32_t PlatformId();
constexpr uint32_t Windows95Family = 1;
constexpr uint32_t WindowsNtFamily = 2;

// Whether the version query reports Windows 8 (NT 6.2) or later. Without a manifest that names
// later versions, Windows 8.1 and later report 6.2, which still counts.
bool IsWindows8OrLater();

// The current UTC time of day in milliseconds, 0 to 86,399,999.
uint32_t MillisecondsOfDay();

// The module that holds a code address: its file name without folder, and the address's offset
// from the module's base. With a null or unknown address, the executable's own name and offset 0.
// Never fails; allocates nothing, so that it can serve a report of exhausted memory.
void FindModuleOf(const void* address, char* fileName, size_t fileNameSize, uintptr_t* offset);

// A task-modal error box with no owner, waiting until the user dismisses it.
void ShowErrorBox(const char* text, const char* caption);

// Ends the process with the exit code.
[[noreturn]] void EndProcess(uint32_t exitCode);
