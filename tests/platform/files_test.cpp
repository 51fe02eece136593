#include "platform/files.h"

#include "platform/failures.h"
#include "support/processes.h"
#include "support/system_call_override.h"

#include <gtest/gtest.h>

namespace {

int findFirstCalls = 0;
int findCloseCalls = 0;

HANDLE WINAPI CountingFindFirstFileA(LPCSTR path, LPWIN32_FIND_DATAA found)
{
    HANDLE handle = FindFirstFileA(path, found);
    if (handle != INVALID_HANDLE_VALUE) ++findFirstCalls;
    return handle;
}

BOOL WINAPI CountingFindClose(HANDLE handle)
{
    ++findCloseCalls;
    return FindClose(handle);
}

void SetLastWriteYear(const std::string& path, WORD year)
{
    HANDLE file = CreateFileA(path.c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    SYSTEMTIME time = {year, 6, 0, 15, 12, 0, 0, 0};
    FILETIME fileTime;
    SystemTimeToFileTime(&time, &fileTime);
    EXPECT_TRUE(SetFileTime(file, nullptr, nullptr, &fileTime));
    CloseHandle(file);
}

TEST(IsExistingFile, FindsFilesButNotFoldersOrOddTimes)
{
    const std::string folder = MakeScratchFolder("exists");
    WriteFileBytes(folder + "\\sound.wav", "RIFF");
    WriteFileBytes(folder + "\\old.wav", "RIFF");
    SetLastWriteYear(folder + "\\old.wav", 1975);
    CreateDirectoryA((folder + "\\sub.wav").c_str(), nullptr);
    CreateDirectoryA((folder + "\\only").c_str(), nullptr);

    struct ExistsCase {
        std::string path;
        bool exists;
    };
    const std::vector<ExistsCase> cases = {
        {folder + "\\sound.wav", true},
        {folder + "\\SOUND.WAV", true},
        {folder + "\\missing.wav", false},
        {folder + "\\sub.wav", false},
        {folder + "\\old.wav", false},  // before 1980: no MS-DOS date
        {folder + "\\so*.wav", true},
        {folder + "\\s?und.wav", true},
        {folder + "\\on*", false},      // the first match is a folder
        {folder + "\\", false},
        {folder, false},
        {"", false},
        {"C:", false},
        {"C:\\", false},
    };
    OVERRIDE_SYSTEM_CALL(FindFirstFileA, CountingFindFirstFileA);
    OVERRIDE_SYSTEM_CALL(FindClose, CountingFindClose);
    for (const ExistsCase& c : cases) {
        findFirstCalls = findCloseCalls = 0;
        EXPECT_EQ(IsExistingFile(c.path), c.exists) << c.path;
        EXPECT_EQ(findCloseCalls, findFirstCalls) << c.path << ": every search is closed";
    }
}

TEST(ExecutablePath, IsTheRunningProgramsPath)
{
    char expected[MAX_PATH];
    const DWORD length = GetModuleFileNameA(nullptr, expected, sizeof expected);
    EXPECT_EQ(ExecutablePath(), std::string(expected, length));
}

// Windows cuts a path that does not fit and returns the buffer's size.
DWORD WINAPI LongModuleFileNameA(HMODULE, LPSTR buffer, DWORD size)
{
    const std::string longPath = "C:\\" + std::string(600, 'x') + "\\DeskRotate.exe";
    const DWORD copied = std::min<DWORD>(size, static_cast<DWORD>(longPath.size() + 1));
    memcpy(buffer, longPath.c_str(), copied);
    if (copied == size) {
        buffer[size - 1] = '\0';
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return size;
    }
    return copied - 1;
}

TEST(ExecutablePath, GrowsTheBufferUntilThePathFits)
{
    OVERRIDE_SYSTEM_CALL(GetModuleFileNameA, LongModuleFileNameA);
    EXPECT_EQ(ExecutablePath(), "C:\\" + std::string(600, 'x') + "\\DeskRotate.exe");
}

TEST(ReadOnlyFile, ReadsSequentiallyAndSharesForReadingOnly)
{
    const std::string path = MakeScratchFolder("read") + "\\data.bin";
    WriteFileBytes(path, "abcdef");
    ReadOnlyFile file(path);
    HANDLE reader = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    EXPECT_NE(reader, INVALID_HANDLE_VALUE) << "others may read";
    CloseHandle(reader);
    HANDLE writer = CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    EXPECT_EQ(writer, INVALID_HANDLE_VALUE) << "but not write";
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_SHARING_VIOLATION));
    char buffer[4];
    EXPECT_EQ(file.Read(buffer, 4), 4u);
    EXPECT_EQ(std::string(buffer, 4), "abcd");
    EXPECT_EQ(file.Read(buffer, 4), 2u);
    EXPECT_EQ(file.Read(buffer, 4), 0u);
    file.Close();
    EXPECT_TRUE(DeleteFileA(path.c_str()));
}

TEST(ReadOnlyFile, MissingFileRaisesCode2)
{
    try {
        ReadOnlyFile file(MakeScratchFolder("read") + "\\missing.bin");
        ADD_FAILURE() << "no failure raised";
    } catch (const EInOutError& failure) {
        EXPECT_EQ(failure.Code(), 2u);
    }
}

}  // namespace
