#include "support/processes.h"

#include <gtest/gtest.h>

#include <vector>

ProgramResult RunProgram(const std::string& program, const std::string& arguments, DWORD timeoutMs)
{
    SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
    HANDLE readEnd = nullptr;
    HANDLE writeEnd = nullptr;
    EXPECT_TRUE(CreatePipe(&readEnd, &writeEnd, &inherit, 0));
    SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);

    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = writeEnd;
    startup.hStdError = writeEnd;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    PROCESS_INFORMATION process = {};
    std::vector<char> commandLine;
    const std::string text = "\"" + program + "\" " + arguments;
    commandLine.assign(text.begin(), text.end());
    commandLine.push_back('\0');
    const BOOL started = CreateProcessA(program.c_str(), commandLine.data(), nullptr, nullptr, TRUE, 0,
                                        nullptr, nullptr, &startup, &process);
    const DWORD startError = GetLastError();
    CloseHandle(writeEnd);
    ProgramResult result = {WAIT_FAILED, ""};
    if (!started) {
        ADD_FAILURE() << "cannot start " << program << ": error " << startError;
        CloseHandle(readEnd);
        return result;
    }
    // Wine may start helper processes (explorer.exe for a program's first window) that inherit the
    // pipe and outlive the program, so the pipe's end cannot be awaited: read while the program runs.
    const DWORD start = GetTickCount();
    for (;;) {
        const DWORD waited = WaitForSingleObject(process.hProcess, 20);
        DWORD available = 0;
        while (PeekNamedPipe(readEnd, nullptr, 0, nullptr, &available, nullptr) && available > 0) {
            char buffer[4096];
            DWORD count = 0;
            if (!ReadFile(readEnd, buffer, sizeof buffer, &count, nullptr) || count == 0) break;
            result.output.append(buffer, count);
        }
        if (waited == WAIT_OBJECT_0) {
            GetExitCodeProcess(process.hProcess, &result.exitCode);
            break;
        }
        if (GetTickCount() - start > timeoutMs) {
            TerminateProcess(process.hProcess, WAIT_TIMEOUT);
            result.exitCode = WAIT_TIMEOUT;
            break;
        }
    }
    CloseHandle(readEnd);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return result;
}

std::string BuildFolder()
{
    char path[MAX_PATH * 4];
    const DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
    std::string folder(path, length);
    return folder.substr(0, folder.find_last_of('\\'));
}

std::string MakeScratchFolder(const std::string& prefix)
{
    char temp[MAX_PATH];
    GetTempPathA(sizeof temp, temp);
    static unsigned serial = 0;
    for (;;) {
        const std::string folder = std::string(temp) + prefix + std::to_string(GetCurrentProcessId()) + "-" +
                                   std::to_string(++serial);
        if (CreateDirectoryA(folder.c_str(), nullptr)) return folder;
        if (GetLastError() != ERROR_ALREADY_EXISTS) {
            ADD_FAILURE() << "cannot make " << folder << ": error " << GetLastError();
            return folder;
        }
    }
}

void WriteFileBytes(const std::string& path, const std::string& bytes)
{
    HANDLE file = CreateFileW(LongPathW(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE) << path << ": error " << GetLastError();
    DWORD written = 0;
    EXPECT_TRUE(WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr));
    EXPECT_EQ(written, bytes.size());
    CloseHandle(file);
}

std::string ReadFileBytes(const std::string& path)
{
    HANDLE file = CreateFileW(LongPathW(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0,
                              nullptr);
    if (file == INVALID_HANDLE_VALUE) return "(cannot open)";
    std::string bytes;
    char buffer[4096];
    DWORD count = 0;
    while (ReadFile(file, buffer, sizeof buffer, &count, nullptr) && count > 0) bytes.append(buffer, count);
    CloseHandle(file);
    return bytes;
}

std::wstring LongPathW(const std::string& path)
{
    std::wstring wide(path.size() + 1, L'\0');
    const int length = MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, &wide[0], static_cast<int>(wide.size()));
    wide.resize(length > 0 ? length - 1 : 0);
    return L"\\\\?\\" + wide;
}

void MakeFolders(const std::string& path)
{
    for (size_t end = path.find('\\', 3); ; end = path.find('\\', end + 1)) {
        const std::string folder = path.substr(0, end);
        if (!CreateDirectoryW(LongPathW(folder).c_str(), nullptr) && GetLastError() != ERROR_ALREADY_EXISTS) {
            ADD_FAILURE() << "cannot make " << folder << ": error " << GetLastError();
        }
        if (end == std::string::npos) return;
    }
}

bool CopyFileTo(const std::string& from, const std::string& to)
{
    return CopyFileW(LongPathW(from).c_str(), LongPathW(to).c_str(), FALSE) != 0;
}

std::string ShortNameOf(const std::string& path)
{
    char buffer[MAX_PATH];
    const DWORD length = GetShortPathNameA(path.c_str(), buffer, sizeof buffer);
    return std::string(buffer, length < sizeof buffer ? length : 0);
}
