#include "support/system_call_override.h"

DWORD injectedError = 0xdeadbeef;

HANDLE WINAPI FailingCreateFileA(LPCSTR, DWORD, DWORD, LPSECURITY_ATTRIBUTES, DWORD, DWORD, HANDLE)
{
    SetLastError(injectedError);
    return INVALID_HANDLE_VALUE;
}

BOOL WINAPI FailingReadFile(HANDLE, LPVOID, DWORD, LPDWORD count, LPOVERLAPPED)
{
    if (count != nullptr) *count = 0;
    SetLastError(injectedError);
    return FALSE;
}

BOOL WINAPI FailingCloseHandle(HANDLE handle)
{
    CloseHandle(handle);
    SetLastError(injectedError);
    return FALSE;
}
