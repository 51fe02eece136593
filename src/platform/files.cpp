#include "platform/files.h"

#include "platform/failures.h"
#include "platform/system_calls.h"

#include <algorithm>
#include <vector>

namespace {

// A handle closed on every way out by the call that matches the one that opened it. FindFirstFileA
// and CreateFileA both report failure as INVALID_HANDLE_VALUE.
template <BOOL (*CloseCall)(HANDLE)>
class ScopedHandle {
public:
    explicit ScopedHandle(HANDLE handle) : handle_(handle) {}
    ScopedHandle(const ScopedHandle&) = delete;
    ScopedHandle& operator=(const ScopedHandle&) = delete;
    ~ScopedHandle()
    {
        if (IsValid()) CloseCall(handle_);
    }
    bool IsValid() const { return handle_ != INVALID_HANDLE_VALUE && handle_ != nullptr; }
    HANDLE Get() const { return handle_; }
    // Closes now, so that a failing close can be reported.
    bool Close()
    {
        HANDLE handle = handle_;
        handle_ = INVALID_HANDLE_VALUE;
        return CloseCall(handle) != FALSE;
    }

private:
    HANDLE handle_;
};

using FindHandle = ScopedHandle<osFindClose<HANDLE>>;
using FileHandle = ScopedHandle<osCloseHandle<HANDLE>>;

}  // namespace

bool IsExistingFile(const std::string& path)
{
    WIN32_FIND_DATAA found;
    const FindHandle search(osFindFirstFileA(path.c_str(), &found));
    if (!search.IsValid() || (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) return false;
    FILETIME localTime;
    WORD dosDate;
    WORD dosTime;
    return osFileTimeToLocalFileTime(&found.ftLastWriteTime, &localTime) &&
           osFileTimeToDosDateTime(&localTime, &dosDate, &dosTime);
}

std::string FileStartOf(const std::string& path, size_t count)
{
    const FileHandle file(osCreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                        OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.IsValid()) return "";
    std::string bytes(count, '\0');
    size_t filled = 0;
    while (filled < count) {
        DWORD read = 0;
        if (!osReadFile(file.Get(), &bytes[filled], static_cast<DWORD>(count - filled), &read, nullptr)) return "";
        if (read == 0) break;
        filled += read;
    }
    bytes.resize(filled);
    return bytes;
}

bool CreateNewFile(const std::string& path, const std::string& bytes)
{
    FileHandle file(osCreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL,
                                  nullptr));
    if (!file.IsValid()) {
        const DWORD error = osGetLastError();
        if (error == ERROR_FILE_EXISTS || error == ERROR_ALREADY_EXISTS) return false;
        RaiseInOutError(error);
    }
    DWORD written = 0;
    if (!osWriteFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr)) {
        RaiseInOutError(osGetLastError());
    }
    if (written != bytes.size()) RaiseInOutError(ERROR_HANDLE_DISK_FULL);
    if (!file.Close()) RaiseInOutError(osGetLastError());
    return true;
}

bool FindFirstEntryName(const std::string& path, std::string* name)
{
    WIN32_FIND_DATAA found;
    const FindHandle search(osFindFirstFileA(path.c_str(), &found));
    if (!search.IsValid()) return false;
    *name = found.cFileName;
    return true;
}

uint32_t QueryShortPathName(const std::string& path, std::vector<char>& buffer)
{
    return osGetShortPathNameA(path.c_str(), buffer.data(), static_cast<DWORD>(buffer.size()));
}

std::string ExecutablePath()
{
    std::vector<char> buffer(MAX_PATH + 1);
    for (;;) {
        const DWORD length = osGetModuleFileNameA(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0) RaiseInOutError(osGetLastError());
        // A path that does not fit comes back cut to the buffer's size.
        if (length < buffer.size()) return std::string(buffer.data(), length);
        buffer.resize(buffer.size() * 2);
    }
}

ReadOnlyFile::ReadOnlyFile(const std::string& path)
    : handle_(osCreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr))
{
    if (handle_ == INVALID_HANDLE_VALUE) RaiseInOutError(osGetLastError());
}

ReadOnlyFile::~ReadOnlyFile()
{
    if (handle_ != INVALID_HANDLE_VALUE) osCloseHandle(handle_);
}

size_t ReadOnlyFile::Read(char* buffer, size_t capacity)
{
    DWORD count = 0;
    if (!osReadFile(handle_, buffer, static_cast<DWORD>(capacity), &count, nullptr)) {
        RaiseInOutError(osGetLastError());
    }
    return count;
}

void ReadOnlyFile::Close()
{
    HANDLE handle = handle_;
    handle_ = INVALID_HANDLE_VALUE;
    if (!osCloseHandle(handle)) RaiseInOutError(osGetLastError());
}
