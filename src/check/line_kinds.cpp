#include "check/line_kinds.h"

#include "lists/candidate_lists.h"

#include <cctype>
#include <cstdint>

namespace {

// 壁紙 in Shift-JIS and in UTF-8.
const std::string WallpaperWordShiftJis = "\x95\xC7\x8E\x86";
const std::string WallpaperWordUtf8 = "\xE5\xA3\x81\xE7\xB4\x99";
// 【 in Shift-JIS and in UTF-8.
const std::string OpeningBracketShiftJis = "\x81y";
const std::string OpeningBracketUtf8 = "\xE3\x80\x90";

bool StartsWith(const std::string& text, const std::string& start)
{
    return text.compare(0, start.size(), start) == 0;
}

bool Contains(const std::string& text, const std::string& part)
{
    return text.find(part) != std::string::npos;
}

bool IsAsciiAlphanumeric(char c)
{
    return std::isalnum(static_cast<unsigned char>(c)) != 0 && static_cast<unsigned char>(c) < 0x80;
}

uint32_t LittleEndian32(const std::string& bytes, size_t at)
{
    uint32_t value = 0;
    for (size_t i = 4; i-- > 0;) value = (value << 8) | static_cast<unsigned char>(bytes[at + i]);
    return value;
}

}  // namespace

bool IsHeadingInUtf8(const std::string& line)
{
    return Contains(line, WallpaperWordUtf8);
}

bool IsHeadingWithHalfWidthBrackets(const std::string& line)
{
    return Contains(line, WallpaperWordShiftJis) && (StartsWith(line, "[") || line.find(']') != std::string::npos);
}

bool LooksLikeHeading(const std::string& line)
{
    return StartsWith(line, OpeningBracketShiftJis) || StartsWith(line, OpeningBracketUtf8) || StartsWith(line, "[");
}

bool LooksLikeEntry(const std::string& line)
{
    if (StartsWith(line, NotUseMarker)) return true;
    const size_t dot = line.rfind('.');
    if (dot == std::string::npos || dot == 0) return false;
    const size_t extensionLength = line.size() - dot - 1;
    if (extensionLength < 1 || extensionLength > 4) return false;
    for (size_t i = dot + 1; i < line.size(); ++i) {
        if (!IsAsciiAlphanumeric(line[i])) return false;
    }
    return true;
}

bool IsNotUseVariant(const std::string& line)
{
    if (StartsWith(line, NotUseMarker)) return false;
    std::string letters;
    for (char c : line) {
        if (c == ' ' || c == '\t') continue;
        letters += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        if (letters.size() == 6) break;
    }
    return letters == "notuse";
}

bool IsFullPath(const std::string& entry)
{
    const bool drive = entry.size() >= 2 && entry[1] == ':' && std::isalpha(static_cast<unsigned char>(entry[0])) != 0;
    return drive || StartsWith(entry, "\\\\");
}

size_t FirstLoneLineFeedLine(const std::string& data)
{
    size_t line = 1;
    for (size_t i = 0; i < data.size() && data[i] != '\x1A'; ++i) {
        if (data[i] == '\r') {
            if (i + 1 < data.size() && data[i + 1] == '\n') ++i;
            ++line;
        } else if (data[i] == '\n') {
            return line;
        }
    }
    return 0;
}

bool HasEndOfFileMark(const std::string& data)
{
    return data.find('\x1A') != std::string::npos;
}

bool IsWaveHeader(const std::string& start)
{
    return start.size() >= 12 && start.compare(0, 4, "RIFF") == 0 && start.compare(8, 4, "WAVE") == 0;
}

bool IsProgramHeader(const std::string& start)
{
    // The MZ header's last field, at 0x3C, gives the offset of the PE signature.
    constexpr size_t PeOffsetField = 0x3C;
    if (start.size() < PeOffsetField + 4 || start.compare(0, 2, "MZ") != 0) return false;
    const uint32_t peOffset = LittleEndian32(start, PeOffsetField);
    return peOffset <= start.size() - 4 && start.compare(peOffset, 4, std::string("PE\0\0", 4)) == 0;
}

bool IsPictureHeader(const std::string& start)
{
    return StartsWith(start, "BM") || StartsWith(start, "\xFF\xD8\xFF") ||
           StartsWith(start, "\x89PNG\r\n\x1A\n");
}
