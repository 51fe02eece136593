#include "check/list_template.h"

#include "lists/candidate_lists.h"
#include "platform/messages.h"

#include <vector>

std::string ListTemplate()
{
    std::vector<std::string> lines(26, NotUseMarker);
    lines[0] = "\x81y \x83T\x83" "E\x83\x93\x83h\x83t\x83H\x83\x8B\x83_ \x81z";  // 【 サウンドフォルダ 】
    lines[1] = "C:\\Windows\\Media";
    lines[2] = "\x81y \x8BN\x93\xAE\x89\xB9\x82\xF0\x8Ew\x92\xE8(Max:5) \x81z";  // 【 起動音を指定(Max:5) 】
    lines[8] = "\x81y \x8FI\x97\xB9\x89\xB9\x82\xF0\x8Ew\x92\xE8(Max:5) \x81z";  // 【 終了音を指定(Max:5) 】
    // 【 スクリーンセーバーを指定(Max:5) 】
    lines[14] = "\x81y \x83X\x83N\x83\x8A\x81[\x83\x93\x83Z\x81[\x83o\x81[\x82\xF0\x8Ew\x92\xE8(Max:5) \x81z";
    lines[20] = WallpaperHeading;
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    return text;
}
