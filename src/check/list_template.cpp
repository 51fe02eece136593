#include "check/list_template.h"

#include "platform/messages.h"

#include <vector>

std::string ListTemplate()
{
    const std::vector<std::string> lines = {
        "\x81y \x83T\x83" "E\x83\x93\x83h\x83t\x83H\x83\x8B\x83_ \x81z",  // 【 サウンドフォルダ 】
        "C:\\Windows\\Media",  // C:\Windows\Media
        "\x81y \x8BN\x93\xAE\x89\xB9\x82\xF0\x8Ew\x92\xE8(Max:5) \x81z",  // 【 起動音を指定(Max:5) 】
        "Not use",  // Not use
        "Not use",  // Not use
        "Not use",  // Not use
        "Not use",  // Not use
        "Not use",  // Not use
        "\x81y \x8FI\x97\xB9\x89\xB9\x82\xF0\x8Ew\x92\xE8(Max:5) \x81z",  // 【 終了音を指定(Max:5) 】
        "Not use",  // Not use
        "Not use",  // Not use
        "Not use",  // Not use
        "Not use",  // Not use
        "Not use",  // Not use
        "\x81y \x83X\x83N\x83\x8A\x81[\x83\x93\x83Z\x81[\x83o\x81[\x82\xF0\x8Ew\x92\xE8(Max:5) \x81z",  // 【 スクリーンセーバーを指定(Max:5) 】
        "Not use",  // Not use
        "Not use",  // Not use
        "Not use",  // Not use
        "Not use",  // Not use
        "Not use",  // Not use
        WallpaperHeading,
        "Not use",  // Not use
        "Not use",  // Not use
        "Not use",  // Not use
        "Not use",  // Not use
        "Not use",  // Not use
    };
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    return text;
}
