// Direct registry access for tests: the state a case starts from, and what a store left behind.
#pragma once

#include <windows.h>

#include <string>

struct RawValue {
    bool present;
    DWORD type;
    std::string data;
};

// Makes the key under HKEY_CURRENT_USER, with every key above it, if it is missing.
void CreateUserKey(const std::string& path);

// Removes the key under HKEY_CURRENT_USER with everything below it; a missing key is fine.
void DeleteUserKey(const std::string& path);

bool UserKeyExists(const std::string& path);

// Stores the bytes as they are, with the type given, in an existing key.
void SetRawValue(const std::string& path, const std::string& name, DWORD type, const std::string& data);

void DeleteRawValue(const std::string& path, const std::string& name);

RawValue GetRawValue(const std::string& path, const std::string& name);

// Replaces the key's access list by the SDDL text given.
void SetKeyAccess(const std::string& path, const char* sddl);
