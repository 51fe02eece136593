// An INI file named by its path, standing in for the class library's INI-file object: it holds only
// the name, and every read and write goes to the file through the profile functions.
#pragma once

#include <string>

class IniFile {
public:
    explicit IniFile(std::string fileName) : fileName_(std::move(fileName)) {}

    const std::string& FileName() const { return fileName_; }

    // The key's value, or defaultValue when the file, the section or the key is absent; at most
    // bufferSize - 1 characters.
    std::string ReadString(const std::string& section, const std::string& key, const std::string& defaultValue,
                           size_t bufferSize) const;

    // Stores the value under the key; false when the system refuses.
    bool WriteString(const std::string& section, const std::string& key, const std::string& value) const;

private:
    std::string fileName_;
};
