// A GUI program that does nothing, importing the same system DLLs as DeskRotate.exe, so that the
// benchmark can set the loader's and the C runtime's share of a run apart from the program's own.
#include <windows.h>

int main()
{
    // Taking the addresses is enough for the linker to import advapi32 and user32, and so for the
    // loader to map them as it does for DeskRotate.exe; kernel32 and msvcrt come with the C runtime.
    static const void* volatile imports[] = {reinterpret_cast<const void*>(&RegCloseKey),
                                             reinterpret_cast<const void*>(&MessageBoxA)};
    return imports[0] == nullptr ? 1 : 0;
}
