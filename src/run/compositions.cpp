#include "run/compositions.h"

#include "lists/candidate_lists.h"
#include "run/rotation.h"

std::string SoundEntryPrefix()
{
    return SoundFolder;
}

std::string ScreenSaverEntryPrefix()
{
    return SystemDir + "\\";
}

std::string WallpaperEntryPrefix()
{
    return WindowsDir + "\\";
}
