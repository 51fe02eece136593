#include "platform/system_calls.h"

#include <cstring>

SystemCall systemCalls[static_cast<int>(SystemCallId::Count)] = {
#define DESKROTATE_SYSTEM_CALL_ENTRY(name) \
    {#name, reinterpret_cast<SystemCallPointer>(&::name), reinterpret_cast<SystemCallPointer>(&::name)},
    DESKROTATE_SYSTEM_CALLS(DESKROTATE_SYSTEM_CALL_ENTRY)
#undef DESKROTATE_SYSTEM_CALL_ENTRY
};

bool SetSystemCall(const char* name, SystemCallPointer fn)
{
    if (name == nullptr) {
        for (SystemCall& call : systemCalls) call.current = call.original;
        return true;
    }
    for (SystemCall& call : systemCalls) {
        if (std::strcmp(call.name, name) == 0) {
            call.current = fn != nullptr ? fn : call.original;
            return true;
        }
    }
    return false;
}

SystemCallPointer GetSystemCall(const char* name)
{
    for (const SystemCall& call : systemCalls) {
        if (std::strcmp(call.name, name) == 0) return call.current;
    }
    return nullptr;
}
