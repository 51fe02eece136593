// Files as the run and the list-file reader see them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// True when a directory search for the path, exactly as given (wildcards match), finds a first
// entry that is not a directory and whose last-write time converts to an MS-DOS date and time.
// Never fails; false for the empty path.
bool IsExistingFile(const std::string& path);

// Up to count bytes from the start of the file, fewer when it is shorter; "" when it cannot be
// opened or read. Never fails: it serves checks that only report what they find.
std::string FileStartOf(const std::string& path, size_t count);

// Creates the file and writes the bytes to it. False, creating nothing, when something of that
// name exists already; any other failure raises EInOutError with the system's error code.
bool CreateNewFile(const std::string& path, const std::string& bytes);

// The long name of the first entry, directories included, that a directory search for the path
// finds; false when it finds none.
bool FindFirstEntryName(const std::string& path, std::string* name);

// GetShortPathNameA into the buffer: the length written, 0 on failure, or, when the buffer is too
// small, the size needed including the terminator.
uint32_t QueryShortPathName(const std::string& path, std::vector<char>& buffer);

// The full path of the running executable, however long.
std::string ExecutablePath();

// A file opened for sequential reading, shared for reading only. Every failure raises EInOutError
// with the system's error code.
class ReadOnlyFile {
public:
    explicit ReadOnlyFile(const std::string& path);
    ReadOnlyFile(const ReadOnlyFile&) = delete;
    ReadOnlyFile& operator=(const ReadOnlyFile&) = delete;
    // Closes the file if Close was not reached, as when a failure passes through.
    ~ReadOnlyFile();

    // Reads up to capacity bytes; 0 means the end of the data.
    size_t Read(char* buffer, size_t capacity);
    void Close();

private:
    void* handle_;
};
