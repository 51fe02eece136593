// Text for a console program. Japanese must read correctly whatever code page the console uses,
// so text is carried as UTF-16 and leaves as UTF-16 to a console, as UTF-8 to a file or pipe.
#pragma once

#include <cstdint>
#include <string>

constexpr uint32_t ShiftJisCodePage = 932;
// The system's ANSI code page, in which the list file and the stored settings are written.
constexpr uint32_t AnsiCodePage = 0;

// The text, in the code page given, as UTF-16. Bytes that the code page does not define come out
// as the code page's default character.
std::wstring WideOf(const std::string& text, uint32_t codePage);

// Writes the text to standard output: through the console's wide-character call when standard
// output is a console, otherwise as UTF-8 bytes. Output that cannot be written is dropped, as
// with any console program whose output has nowhere to go.
void WriteStandardOutput(const std::wstring& text);
