// The screen saver of the Windows 95 family, kept in the "boot" section of SYSTEM.INI in the short
// (8.3) form of its path.
#pragma once

#include <string>

// The Windows directory followed by "\SYSTEM.INI".
extern std::string SystemIniPath;
extern std::string ShortCandidatePath;

// Composes SystemIniPath from WindowsDir and makes the SYSTEM.INI object on it; touches no file.
void CreateSystemIni();
void ReleaseSystemIni();

// The value stored for the screen saver; "??" when the file, the section or the key is absent.
// At most 1023 characters.
std::string ReadBootScreenSaver();

// Stores the value; a refused write raises Exception naming SystemIniPath.
void WriteBootScreenSaver(const std::string& value);

// The path with every component under the long name it is stored with, when its last component
// exists; otherwise unchanged, but for a trailing backslash, which is dropped.
std::string LongPathOf(const std::string& path);

// The short form of an existing path, or "" when the system cannot give one.
std::string ShortPathOf(const std::string& path);

// The run's screen-saver step on the Windows 95 family: reads the current value, brings it to its
// long form, chooses among ScreenSavers and stores the choice's short form if its file exists.
void RotateBootScreenSaver();
