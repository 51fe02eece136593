#include "platform/console.h"

#include "platform/system_calls.h"

#include <algorithm>

namespace {

// Older consoles refuse a single write much beyond 64 KB.
constexpr size_t ConsoleChunk = 8192;

std::string Utf8Of(const std::wstring& text)
{
    if (text.empty()) return "";
    const int wideLength = static_cast<int>(text.size());
    const int length = osWideCharToMultiByte(CP_UTF8, 0, text.data(), wideLength, nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<size_t>(std::max(length, 0)), '\0');
    if (length > 0) {
        osWideCharToMultiByte(CP_UTF8, 0, text.data(), wideLength, &bytes[0], length, nullptr, nullptr);
    }
    return bytes;
}

}  // namespace

std::wstring WideOf(const std::string& text, uint32_t codePage)
{
    if (text.empty()) return L"";
    const int byteLength = static_cast<int>(text.size());
    const int length = osMultiByteToWideChar(codePage, 0, text.data(), byteLength, nullptr, 0);
    std::wstring wide(static_cast<size_t>(std::max(length, 0)), L'\0');
    if (length > 0) osMultiByteToWideChar(codePage, 0, text.data(), byteLength, &wide[0], length);
    return wide;
}

void WriteStandardOutput(const std::wstring& text)
{
    HANDLE output = osGetStdHandle(STD_OUTPUT_HANDLE);
    if (output == nullptr || output == INVALID_HANDLE_VALUE) return;
    DWORD mode = 0;
    if (osGetConsoleMode(output, &mode)) {
        for (size_t start = 0; start < text.size(); start += ConsoleChunk) {
            const DWORD count = static_cast<DWORD>(std::min(ConsoleChunk, text.size() - start));
            DWORD written = 0;
            if (!osWriteConsoleW(output, text.data() + start, count, &written, nullptr)) return;
        }
        return;
    }
    const std::string bytes = Utf8Of(text);
    size_t start = 0;
    while (start < bytes.size()) {
        DWORD written = 0;
        const DWORD count = static_cast<DWORD>(std::min<size_t>(bytes.size() - start, 1u << 20));
        if (!osWriteFile(output, bytes.data() + start, count, &written, nullptr) || written == 0) return;
        start += written;
    }
}
