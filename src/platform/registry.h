// A key of the current user's registry hive, standing in for the class library's registry object.
#pragma once

#include <string>

class RegistryKey {
public:
    // Opens the existing key under HKEY_CURRENT_USER with full access, or, failing that, for reading.
    // Never creates a key; IsOpen tells whether either open succeeded.
    explicit RegistryKey(const std::string& path);
    RegistryKey(const RegistryKey&) = delete;
    RegistryKey& operator=(const RegistryKey&) = delete;
    ~RegistryKey();

    bool IsOpen() const { return handle_ != nullptr; }

    // The string value, unexpanded, cut at its first zero byte; "" when absent or of size 0.
    // Data of another type raise ERegistryException naming the value (message 65452), as does a
    // failed data query after the size query succeeded (65454).
    std::string ReadString(const std::string& name) const;

    // Stores the text and its terminating zero byte as REG_SZ, replacing a value of any type.
    // A refused write raises ERegistryException naming the value (65453).
    void WriteString(const std::string& name, const std::string& value);

private:
    void* handle_;
};
