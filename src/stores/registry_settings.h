// The settings kept in the current user's registry hive. A read gives "" when the key or the value
// is absent; a write to an absent key does nothing. Other failures raise ERegistryException.
#pragma once

#include <cstdint>
#include <string>

// SoundEvent 1 is the start-up sound; any other value the exit sound.
std::string ReadEventSound(int32_t soundEvent);
void WriteEventSound(int32_t soundEvent, const std::string& value);

std::string ReadWallpaper();
void WriteWallpaper(const std::string& value);

// The screen saver of the Windows NT family.
std::string ReadDesktopScreenSaver();
void WriteDesktopScreenSaver(const std::string& value);
