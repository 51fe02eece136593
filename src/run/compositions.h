// How an entry of each list becomes the full path that a run tests and stores: the prefix is joined
// to the entry as it stands. Shared by the rotation and the list-file checker, so that the checker
// shows exactly the paths that a run would use.
#pragma once

#include <string>

// SoundFolder, which already ends in a backslash (or is empty).
std::string SoundEntryPrefix();
// SystemDir and a backslash.
std::string ScreenSaverEntryPrefix();
// WindowsDir and a backslash.
std::string WallpaperEntryPrefix();
