#include "support/rotation_scene.h"

#include "platform/messages.h"
#include "support/list_files.h"
#include "support/processes.h"

#include <gtest/gtest.h>

const std::string StartSoundKey = "AppEvents\\Schemes\\Apps\\.Default\\SystemStart\\.Current";
const std::string ExitSoundKey = "AppEvents\\Schemes\\Apps\\.Default\\SystemExit\\.Current";
const std::string DesktopKey = "Control Panel\\desktop";

namespace {

constexpr int SamplesPerList = 3;

std::string Directory(UINT(WINAPI* get)(LPSTR, UINT))
{
    char buffer[MAX_PATH];
    return std::string(buffer, get(buffer, MAX_PATH));
}

}  // namespace

SettingValues ReadSettingValues()
{
    return {GetRawValue(StartSoundKey, ""), GetRawValue(ExitSoundKey, ""), GetRawValue(DesktopKey, "SCRNSAVE.EXE"),
            GetRawValue(DesktopKey, "Wallpaper")};
}

std::string TextOf(const RawValue& value)
{
    return value.data.substr(0, value.data.find('\0'));
}

RotationScene::RotationScene()
    : soundFolder(MakeScratchFolder("sounds")), tag("drt" + std::to_string(GetCurrentProcessId()) + "_")
{
    for (int n = 1; n <= SamplesPerList; ++n) {
        for (const std::string& path : {SoundPath(n), SaverPath(n), WallpaperPath(n)}) {
            WriteFileBytes(path, "sample");
            madeFiles_.push_back(path);
        }
    }
    CreateUserKey(StartSoundKey);
    CreateUserKey(ExitSoundKey);
    CreateUserKey(DesktopKey);
    const std::string before("(before)", 9);
    SetRawValue(StartSoundKey, "", REG_SZ, before);
    SetRawValue(ExitSoundKey, "", REG_SZ, before);
    SetRawValue(DesktopKey, "SCRNSAVE.EXE", REG_SZ, before);
    SetRawValue(DesktopKey, "Wallpaper", REG_SZ, before);
}

RotationScene::~RotationScene()
{
    for (const std::string& path : madeFiles_) DeleteFileA(path.c_str());
    RemoveDirectoryA(soundFolder.c_str());
}

std::string RotationScene::SaverPath(int n) const
{
    return Directory(GetSystemDirectoryA) + "\\" + SaverEntry(n);
}

std::string RotationScene::WallpaperPath(int n) const
{
    return Directory(GetWindowsDirectoryA) + "\\" + WallpaperEntry(n);
}

std::string RotationScene::ListFile(std::vector<std::string> start, std::vector<std::string> exit,
                                    std::vector<std::string> savers, std::vector<std::string> wallpapers) const
{
    for (std::vector<std::string>* section : {&start, &exit, &savers, &wallpapers}) section->resize(5, "Not use");
    std::vector<std::string> lines = {"Sound folder", soundFolder, "Start-up sounds"};
    lines.insert(lines.end(), start.begin(), start.end());
    lines.push_back("Exit sounds");
    lines.insert(lines.end(), exit.begin(), exit.end());
    lines.push_back("Screen savers");
    lines.insert(lines.end(), savers.begin(), savers.end());
    lines.push_back(WallpaperHeading);
    lines.insert(lines.end(), wallpapers.begin(), wallpapers.end());
    return JoinLines(lines);
}
