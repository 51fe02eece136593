// The four candidate lists and the sound folder, as read from the list file.
#pragma once

#include "lists/line_reader.h"
#include "platform/lead_bytes.h"

#include <array>
#include <cstdint>
#include <string>

constexpr int32_t MaxCandidates = 5;

// Marks an entry line whose slot is not in use; compared with the first seven bytes, case-sensitive.
extern const std::string NotUseMarker;

struct CandidateList {
    std::array<std::string, MaxCandidates> entries;
    int32_t count = 0;

    // The entry at index; ERangeError outside 0..MaxCandidates-1.
    const std::string& operator[](int32_t index) const;
    // Stores the entry at index count and counts it.
    void Add(std::string entry);
};

extern CandidateList StartSounds;
extern CandidateList ExitSounds;
extern CandidateList ScreenSavers;
extern CandidateList Wallpapers;
extern int32_t& StartSoundCount;
extern int32_t& ExitSoundCount;
extern int32_t& ScreenSaverCount;
extern int32_t& WallpaperCount;

// Line 2 of the list file, ending in a backslash; the sound entries are joined to it directly.
extern std::string SoundFolder;

// Sets the four counts to 0; entries and SoundFolder are left as they are.
void ClearCandidateCounts();

// Reads lines 1 to 26 from the reader into the lists and SoundFolder, stopping early at an end of
// file met before an entry line or at a line 21 that is not the wallpaper heading. The counts must
// be cleared first. leadBytes decides whether line 2 ends in a real backslash.
void ReadCandidateLists(LineReader& reader, const LeadByteTable& leadBytes);

// The list file beside an executable: its path with the extension after the last "." of the last
// component replaced by ".DAT", or ".DAT" appended where there is none.
std::string ListFilePathOf(const std::string& executablePath, const LeadByteTable& leadBytes);
