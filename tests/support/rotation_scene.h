// A scene in which every setting has work to do: sample files for each list, a list file naming
// them, and the four settings' registry values set to known starting values.
#pragma once

#include "support/registry_values.h"

#include <string>
#include <vector>

extern const std::string StartSoundKey;
extern const std::string ExitSoundKey;
extern const std::string DesktopKey;

struct SettingValues {
    RawValue startSound;
    RawValue exitSound;
    RawValue screenSaver;
    RawValue wallpaper;
};

SettingValues ReadSettingValues();

// The text that a REG_SZ value holds, without its terminating zero byte.
std::string TextOf(const RawValue& value);

class RotationScene {
public:
    // Makes the sound folder and the sample files; sets each setting to "(before)".
    RotationScene();
    ~RotationScene();

    // A sound entry, screen-saver entry or wallpaper entry whose file exists, and the path that the
    // run composes from it.
    std::string SoundEntry(int n) const { return "sound" + std::to_string(n) + ".wav"; }
    std::string SoundPath(int n) const { return soundFolder + "\\" + SoundEntry(n); }
    std::string SaverEntry(int n) const { return tag + "saver" + std::to_string(n) + ".scr"; }
    std::string SaverPath(int n) const;
    std::string WallpaperEntry(int n) const { return tag + "paper" + std::to_string(n) + ".bmp"; }
    std::string WallpaperPath(int n) const;

    // The 26 lines of a list file with these entries, each section padded with "Not use".
    std::string ListFile(std::vector<std::string> start, std::vector<std::string> exit,
                         std::vector<std::string> savers, std::vector<std::string> wallpapers) const;

    std::string soundFolder;
    std::string tag;

private:
    std::vector<std::string> madeFiles_;
};
