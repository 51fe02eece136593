// List files for tests, built from lines.
#pragma once

#include "platform/messages.h"

#include <string>
#include <vector>

// The lines joined, each followed by the line end.
inline std::string JoinLines(const std::vector<std::string>& lines, const std::string& lineEnd = "\r\n")
{
    std::string text;
    for (const std::string& line : lines) text += line + lineEnd;
    return text;
}

// The 26 lines of the example list file.
inline std::vector<std::string> ExampleListLines()
{
    return {"Sound folder", "D:\\Media\\Sounds", "Start-up sounds", "morning.wav", "Not use", "bells.wav",
            "Not used yet", "fanfare.wav", "Exit sounds", "goodbye.wav", "Not use", "Not use", "Not use",
            "Not use", "Screen savers", "aurora.scr", "orbits.scr", "Not use", "Not use", "Not use",
            WallpaperHeading, "harbor.bmp", "Not use", "meadow.bmp", "Not use", "Not use"};
}
