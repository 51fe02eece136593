// The one table of the program's message texts. The texts are Shift-JIS (code page 932) bytes,
// shown through the ANSI calls as they stand.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

enum class MessageId : uint32_t {
    FileNotFound,          // I/O error 2
    InvalidFileName,       // I/O error 3
    TooManyOpenFiles,      // I/O error 4
    FileAccessDenied,      // I/O error 5
    InOutError,            // any other I/O error, %d = the code
    OutOfMemory,
    RangeError,
    IntOverflow,
    RegistryBadDataType = 65452,   // %s = the value name
    RegistrySetFailed = 65453,     // %s = the value name
    RegistryGetFailed = 65454,     // %s = the value name
    IniWriteFailed,                // %s = the INI file's path
    FailureReport,                 // %s class, %s module, %p offset
    FailureCaption,
};

// The raw text of a message, placeholders included.
const char* MessageText(MessageId id);

// The message with its placeholders ("%s", "%d", "%p") replaced, in order, by the arguments,
// which the caller has already turned into text. Bytes are copied as they are.
std::string FormatMessageText(MessageId id, std::initializer_list<std::string_view> arguments);

// The same into a buffer of capacity bytes, cut to fit and NUL-terminated; gives the length.
// Allocates nothing.
size_t FormatMessageInto(char* buffer, size_t capacity, MessageId id,
                         std::initializer_list<std::string_view> arguments);

// The message of an I/O error with the given system error code.
std::string InOutErrorMessage(uint32_t code);

// The list file's fixed wallpaper heading, "【 壁紙を指定(Max:5) 】" in Shift-JIS.
extern const std::string WallpaperHeading;
