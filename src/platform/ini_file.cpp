#include "platform/ini_file.h"

#include "platform/system_calls.h"

#include <algorithm>
#include <vector>

std::string IniFile::ReadString(const std::string& section, const std::string& key, const std::string& defaultValue,
                                size_t bufferSize) const
{
    std::vector<char> buffer(bufferSize, '\0');
    const DWORD length = osGetPrivateProfileStringA(section.c_str(), key.c_str(), defaultValue.c_str(), buffer.data(),
                                                    static_cast<DWORD>(buffer.size()), fileName_.c_str());
    return std::string(buffer.data(), std::min<size_t>(length, bufferSize - 1));
}

bool IniFile::WriteString(const std::string& section, const std::string& key, const std::string& value) const
{
    return osWritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(), fileName_.c_str()) != 0;
}
