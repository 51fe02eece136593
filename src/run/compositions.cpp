#include "run/compositions.h"

#include "lists/candidate_lists.h"
#include "run/rotation.h"

const std::string& SoundEntryPrefix()
{
    return SoundFolder;
}

const std::string& ScreenSaverEntryPrefix()
{
    static std::string prefix;
    prefix = SystemDir + "\\";
    return prefix;
}

const std::string& WallpaperEntryPrefix()
{
    static std::string prefix;
    prefix = WindowsDir + "\\";
    return prefix;
}
