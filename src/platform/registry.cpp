#include "platform/registry.h"

#include "platform/failures.h"
#include "platform/messages.h"
#include "platform/system_calls.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace {

HKEY OpenExistingKey(const std::string& path)
{
    HKEY key = nullptr;
    if (osRegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_ALL_ACCESS, &key) == ERROR_SUCCESS) return key;
    key = nullptr;
    if (osRegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &key) == ERROR_SUCCESS) return key;
    return nullptr;
}

}  // namespace

RegistryKey::RegistryKey(const std::string& path) : handle_(OpenExistingKey(path))
{
}

RegistryKey::~RegistryKey()
{
    if (handle_ != nullptr) osRegCloseKey(static_cast<HKEY>(handle_));
}

std::string RegistryKey::ReadString(const std::string& name) const
{
    const HKEY key = static_cast<HKEY>(handle_);
    DWORD type = REG_NONE;
    DWORD size = 0;
    if (osRegQueryValueExA(key, name.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS || size == 0) {
        return "";
    }
    std::string data(size, '\0');
    if (osRegQueryValueExA(key, name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(&data[0]), &size) !=
        ERROR_SUCCESS) {
        RaiseRegistryException(FormatMessageText(MessageId::RegistryGetFailed, {name}));
    }
    if (type != REG_SZ && type != REG_EXPAND_SZ) {
        RaiseRegistryException(FormatMessageText(MessageId::RegistryBadDataType, {name}));
    }
    // The size the data query reports may be smaller than the first, if the value shrank meanwhile.
    data.resize(std::min<size_t>(size, data.size()));
    const size_t zero = data.find('\0');
    if (zero != std::string::npos) data.resize(zero);
    return data;
}

void RegistryKey::WriteString(const std::string& name, const std::string& value)
{
    // The text goes to Windows as a NUL-terminated string, so it ends at its first zero byte; what
    // follows one (a list entry may hold any byte) is not stored behind the terminator.
    const size_t length = std::strlen(value.c_str());
    if (length >= static_cast<size_t>(INT32_MAX)) RaiseIntOverflow();
    if (osRegSetValueExA(static_cast<HKEY>(handle_), name.c_str(), 0, REG_SZ,
                         reinterpret_cast<const BYTE*>(value.c_str()), static_cast<DWORD>(length + 1)) !=
        ERROR_SUCCESS) {
        RaiseRegistryException(FormatMessageText(MessageId::RegistrySetFailed, {name}));
    }
}
