// How an entry of each list becomes the full path that a run tests and stores: the prefix is joined
// to the entry as it stands. Shared by the rotation and the list-file checker, so that the checker
// shows exactly the paths that a run would use.
#pragma once

#include <string>

// The prefixes come back as references, so that a sound folder, which may be a line of any length,
// is never copied; the two short ones are composed afresh at each call, and the reference holds
// until the next call of the same function.
// SoundFolder, which already ends in a backslash (or is empty).
const std::string& SoundEntryPrefix();
// SystemDir and a backslash.
const std::string& ScreenSaverEntryPrefix();
// WindowsDir and a backslash.
const std::string& WallpaperEntryPrefix();
