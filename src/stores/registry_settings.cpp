#include "stores/registry_settings.h"

#include "platform/registry.h"

namespace {

const char* const StartSoundKey = "AppEvents\\Schemes\\Apps\\.Default\\SystemStart\\.Current";
const char* const ExitSoundKey = "AppEvents\\Schemes\\Apps\\.Default\\SystemExit\\.Current";
const char* const DesktopKey = "Control Panel\\desktop";
// The event sounds are the keys' default values, addressed by the empty name.
const char* const EventSoundValue = "";
const char* const WallpaperValue = "Wallpaper";
const char* const ScreenSaverValue = "SCRNSAVE.EXE";

const char* EventSoundKey(int32_t soundEvent)
{
    return soundEvent == 1 ? StartSoundKey : ExitSoundKey;
}

std::string ReadSetting(const char* keyPath, const char* valueName)
{
    const RegistryKey key(keyPath);
    return key.IsOpen() ? key.ReadString(valueName) : "";
}

void WriteSetting(const char* keyPath, const char* valueName, const std::string& value)
{
    RegistryKey key(keyPath);
    if (key.IsOpen()) key.WriteString(valueName, value);
}

}  // namespace

std::string ReadEventSound(int32_t soundEvent)
{
    return ReadSetting(EventSoundKey(soundEvent), EventSoundValue);
}

void WriteEventSound(int32_t soundEvent, const std::string& value)
{
    WriteSetting(EventSoundKey(soundEvent), EventSoundValue, value);
}

std::string ReadWallpaper()
{
    return ReadSetting(DesktopKey, WallpaperValue);
}

void WriteWallpaper(const std::string& value)
{
    WriteSetting(DesktopKey, WallpaperValue, value);
}

std::string ReadDesktopScreenSaver()
{
    return ReadSetting(DesktopKey, ScreenSaverValue);
}

void WriteDesktopScreenSaver(const std::string& value)
{
    WriteSetting(DesktopKey, ScreenSaverValue, value);
}
