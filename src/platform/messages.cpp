#include "platform/messages.h"

#include <algorithm>
#include <cstring>

const char* MessageText(MessageId id)
{
    switch (id) {
    case MessageId::FileNotFound:
        return "\xCC\xA7\xB2\xD9\x82\xAA\x8C\xA9\x82\xC2\x82\xA9\x82\xE8\x82\xDC\x82\xB9\x82\xF1";  // ﾌｧｲﾙが見つかりません
    case MessageId::InvalidFileName:
        return "\x95s\x90\xB3\x82\xC8\xCC\xA7\xB2\xD9\x96\xBC\x82\xC5\x82\xB7";  // 不正なﾌｧｲﾙ名です
    case MessageId::TooManyOpenFiles:
        return "\xB5\xB0\xCC\xDF\xDD\x82\xB5\x82\xBD\xCC\xA7\xB2\xD9\x82\xAA\x91\xBD\x82\xB7\x82\xAC\x82\xDC\x82\xB7";  // ｵｰﾌﾟﾝしたﾌｧｲﾙが多すぎます
    case MessageId::FileAccessDenied:
        return "\xCC\xA7\xB2\xD9\x82\xD6\x82\xCC\xB1\xB8\xBE\xBD\x82\xAA\x8B\x91\x94\xDB\x82\xB3\x82\xEA\x82\xDC\x82\xB5\x82\xBD";  // ﾌｧｲﾙへのｱｸｾｽが拒否されました
    case MessageId::InOutError:
        return "I/O \xB4\xD7\xB0 (%d)";  // I/O ｴﾗｰ (%d)
    case MessageId::OutOfMemory:
        return "\xD2\xD3\xD8\x82\xAA\x91\xAB\x82\xE8\x82\xDC\x82\xB9\x82\xF1";  // ﾒﾓﾘが足りません
    case MessageId::RangeError:
        return "\x94\xCD\x88\xCD\xC1\xAA\xAF\xB8 \xB4\xD7\xB0";  // 範囲ﾁｪｯｸ ｴﾗｰ
    case MessageId::IntOverflow:
        return "\x90\xAE\x90\x94\xB5\xB0\xCA\xDE\xB0\xCC\xDB\xB0";  // 整数ｵｰﾊﾞｰﾌﾛｰ
    case MessageId::RegistryBadDataType:
        return "'%s' \x82\xCC\xC3\xDE\xB0\xC0\x8C^\x82\xAA\x95s\x90\xB3\x82\xC5\x82\xB7";  // '%s' のﾃﾞｰﾀ型が不正です
    case MessageId::RegistrySetFailed:
        return "'%s' \x82\xCC\x90\xDD\x92\xE8\x82\xC9\x8E\xB8\x94s\x82\xB5\x82\xDC\x82\xB5\x82\xBD";  // '%s' の設定に失敗しました
    case MessageId::RegistryGetFailed:
        return "'%s' \x82\xCC\x8E\xE6\x93\xBE\x82\xC9\x8E\xB8\x94s\x82\xB5\x82\xDC\x82\xB5\x82\xBD";  // '%s' の取得に失敗しました
    case MessageId::IniWriteFailed:
        return "%s \x82\xC9\x8F\x91\x82\xAB\x8D\x9E\x82\xDF\x82\xDC\x82\xB9\x82\xF1";  // %s に書き込めません
    case MessageId::FailureReport:
        return "%s\x82\xAA\xD3\xBC\xDE\xAD\xB0\xD9 %s \x82\xCC %p \x82\xC5\x94\xAD\x90\xB6\x82\xB5\x82\xDC\x82\xB5\x82\xBD\x81" "B";  // %sがﾓｼﾞｭｰﾙ %s の %p で発生しました。
    case MessageId::FailureCaption:
        return "\xB1\xCC\xDF\xD8\xB9\xB0\xBC\xAE\xDD \xB4\xD7\xB0";  // ｱﾌﾟﾘｹｰｼｮﾝ ｴﾗｰ
    }
    return "";
}

namespace {

bool IsPlaceholder(const char* p)
{
    return p[0] == '%' && (p[1] == 's' || p[1] == 'd' || p[1] == 'p');
}

// Hands the message's literal parts and the arguments in place of its placeholders to append.
template <typename Append>
void FillPlaceholders(MessageId id, std::initializer_list<std::string_view> arguments, Append append)
{
    const char* literal = MessageText(id);
    const std::string_view* next = arguments.begin();
    const char* p = literal;
    while (*p != '\0') {
        if (IsPlaceholder(p) && next != arguments.end()) {
            append(std::string_view(literal, static_cast<size_t>(p - literal)));
            append(*next++);
            p += 2;
            literal = p;
        } else {
            ++p;
        }
    }
    append(std::string_view(literal, static_cast<size_t>(p - literal)));
}

}  // namespace

std::string FormatMessageText(MessageId id, std::initializer_list<std::string_view> arguments)
{
    std::string result;
    FillPlaceholders(id, arguments, [&](std::string_view part) { result += part; });
    return result;
}

size_t FormatMessageInto(char* buffer, size_t capacity, MessageId id,
                         std::initializer_list<std::string_view> arguments)
{
    size_t length = 0;
    FillPlaceholders(id, arguments, [&](std::string_view part) {
        const size_t copied = std::min(part.size(), capacity - 1 - length);
        std::memcpy(buffer + length, part.data(), copied);
        length += copied;
    });
    buffer[length] = '\0';
    return length;
}

std::string InOutErrorMessage(uint32_t code)
{
    switch (code) {
    case 2: return MessageText(MessageId::FileNotFound);
    case 3: return MessageText(MessageId::InvalidFileName);
    case 4: return MessageText(MessageId::TooManyOpenFiles);
    case 5: return MessageText(MessageId::FileAccessDenied);
    default: return FormatMessageText(MessageId::InOutError, {std::to_string(code)});
    }
}

const std::string WallpaperHeading = "\x81y \x95\xC7\x8E\x86\x82\xF0\x8Ew\x92\xE8(Max:5) \x81z";
