#include "support/fault_injection.h"

#include "platform/system_calls.h"

#include <cstring>

FaultPlan faultPlan;

namespace {

constexpr DWORD InjectedError = ERROR_NOT_ENOUGH_QUOTA;

template <typename Signature>
struct FaultFake;

// Each fake counts the call; the planned one fails with the given result and error code. A close
// that fails still closes first, so that the fakes leak nothing.
template <typename Result, typename... Arguments>
struct FaultFake<Result(WINAPI*)(Arguments...)> {
    template <SystemCallId id, Result failure, bool closes>
    static Result WINAPI Call(Arguments... arguments)
    {
        const auto real = reinterpret_cast<Result(WINAPI*)(Arguments...)>(systemCalls[static_cast<int>(id)].original);
        if (++faultPlan.calls != faultPlan.failAt) return real(arguments...);
        if (closes) real(arguments...);
        faultPlan.failed = systemCalls[static_cast<int>(id)].name;
        SetLastError(InjectedError);
        return failure;
    }
};

template <SystemCallId id, typename Signature, auto failure, bool closes = false>
void Install()
{
    systemCalls[static_cast<int>(id)].current =
        reinterpret_cast<SystemCallPointer>(&FaultFake<Signature>::template Call<id, failure, closes>);
}

// Handles cannot be template arguments, so failing handle calls return null and a fake below
// turns that into INVALID_HANDLE_VALUE.
HANDLE WINAPI FailingCreateFile(LPCSTR path, DWORD access, DWORD share, LPSECURITY_ATTRIBUTES security,
                                DWORD creation, DWORD flags, HANDLE pattern)
{
    if (++faultPlan.calls == faultPlan.failAt) {
        faultPlan.failed = "CreateFileA";
        SetLastError(InjectedError);
        return INVALID_HANDLE_VALUE;
    }
    return CreateFileA(path, access, share, security, creation, flags, pattern);
}

HANDLE WINAPI FailingFindFirstFile(LPCSTR path, LPWIN32_FIND_DATAA found)
{
    if (++faultPlan.calls == faultPlan.failAt) {
        faultPlan.failed = "FindFirstFileA";
        SetLastError(InjectedError);
        return INVALID_HANDLE_VALUE;
    }
    return FindFirstFileA(path, found);
}

}  // namespace

void InstallFaultInjection()
{
    Install<SystemCallId::GetWindowsDirectoryA, decltype(&::GetWindowsDirectoryA), 0u>();
    Install<SystemCallId::GetSystemDirectoryA, decltype(&::GetSystemDirectoryA), 0u>();
    Install<SystemCallId::GetVersionExA, decltype(&::GetVersionExA), FALSE>();
    Install<SystemCallId::GetModuleFileNameA, decltype(&::GetModuleFileNameA), 0ul>();
    Install<SystemCallId::GetModuleHandleExA, decltype(&::GetModuleHandleExA), FALSE>();
    systemCalls[static_cast<int>(SystemCallId::CreateFileA)].current = reinterpret_cast<SystemCallPointer>(&FailingCreateFile);
    Install<SystemCallId::ReadFile, decltype(&::ReadFile), FALSE>();
    Install<SystemCallId::CloseHandle, decltype(&::CloseHandle), FALSE, true>();
    systemCalls[static_cast<int>(SystemCallId::FindFirstFileA)].current =
        reinterpret_cast<SystemCallPointer>(&FailingFindFirstFile);
    Install<SystemCallId::FindClose, decltype(&::FindClose), FALSE, true>();
    Install<SystemCallId::FileTimeToLocalFileTime, decltype(&::FileTimeToLocalFileTime), FALSE>();
    Install<SystemCallId::FileTimeToDosDateTime, decltype(&::FileTimeToDosDateTime), FALSE>();
    Install<SystemCallId::GetPrivateProfileStringA, decltype(&::GetPrivateProfileStringA), 0ul>();
    Install<SystemCallId::WritePrivateProfileStringA, decltype(&::WritePrivateProfileStringA), FALSE>();
    Install<SystemCallId::GetShortPathNameA, decltype(&::GetShortPathNameA), 0ul>();
    Install<SystemCallId::RegOpenKeyExA, decltype(&::RegOpenKeyExA), static_cast<LSTATUS>(ERROR_ACCESS_DENIED)>();
    Install<SystemCallId::RegQueryValueExA, decltype(&::RegQueryValueExA), static_cast<LSTATUS>(ERROR_INVALID_FUNCTION)>();
    Install<SystemCallId::RegSetValueExA, decltype(&::RegSetValueExA), static_cast<LSTATUS>(ERROR_ACCESS_DENIED)>();
    Install<SystemCallId::RegCloseKey, decltype(&::RegCloseKey), static_cast<LSTATUS>(ERROR_INVALID_HANDLE), true>();
    Install<SystemCallId::CharUpperBuffA, decltype(&::CharUpperBuffA), 0ul>();
}

void RemoveFaultInjection()
{
    SetSystemCall(nullptr, nullptr);
}
