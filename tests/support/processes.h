// Test helpers that reach Windows directly: child processes, scratch folders and files.
#pragma once

#include <windows.h>

#include <string>

struct ProgramResult {
    DWORD exitCode;
    std::string output;  // what the program wrote to its standard output
};

// Runs the program with the given command-line tail and waits up to timeoutMs for it to end.
// A program still running then is killed and reported with exit code WAIT_TIMEOUT.
ProgramResult RunProgram(const std::string& program, const std::string& arguments = "",
                         DWORD timeoutMs = 60000);

// The folder that holds the running test executable and the programs built beside it.
std::string BuildFolder();

// A new, empty folder under the system's temporary folder, its name starting with prefix.
std::string MakeScratchFolder(const std::string& prefix);

// Makes the folder and every missing folder above it; paths beyond MAX_PATH are allowed.
void MakeFolders(const std::string& path);

// Copies the file, replacing the target; paths beyond MAX_PATH are allowed.
bool CopyFileTo(const std::string& from, const std::string& to);

// The path in the form that the wide API accepts beyond MAX_PATH.
std::wstring LongPathW(const std::string& path);

// The short (8.3) form that Wine made for an existing path, as GetShortPathNameA gives it.
std::string ShortNameOf(const std::string& path);

// Writes the bytes to the file, replacing it; paths beyond MAX_PATH are allowed.
void WriteFileBytes(const std::string& path, const std::string& bytes);
// The whole file; "(cannot open)" when it cannot be opened for reading.
std::string ReadFileBytes(const std::string& path);
