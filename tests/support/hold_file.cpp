// Holds a file open for writing, as an editor would, until killed or the given seconds pass.
#include <windows.h>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv)
{
    if (argc != 3) return 2;
    HANDLE file = CreateFileA(argv[1], GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return 3;
    std::printf("holding\n");
    std::fflush(stdout);
    Sleep(static_cast<DWORD>(std::atoi(argv[2])) * 1000);
    CloseHandle(file);
    return 0;
}
