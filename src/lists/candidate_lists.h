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

// Told what each line read meant to the reader, in file order, so that a checker can show the user
// the same interpretation that a run acts on. Line numbers count from 1.
class ListLineObserver {
public:
    virtual ~ListLineObserver() = default;
    // Lines 1, 3, 9 and 15.
    virtual void IgnoredLine(int32_t lineNumber, const std::string& line) = 0;
    // Line 2 and the SoundFolder made from it.
    virtual void FolderLine(int32_t lineNumber, const std::string& line, const std::string& soundFolder) = 0;
    // An entry position of the list; kept is false for a slot marked "Not use".
    virtual void EntryLine(int32_t lineNumber, const std::string& line, const CandidateList& list, bool kept) = 0;
    // Line 21 and whether it is exactly the wallpaper heading.
    virtual void WallpaperHeadingLine(int32_t lineNumber, const std::string& line, bool matched) = 0;
    // The file ended before the entry position at this line.
    virtual void EndBeforeEntry(int32_t lineNumber) = 0;
};

// Reads lines 1 to 26 from the reader into the lists and SoundFolder, stopping early at an end of
// file met before an entry line or at a line 21 that is not the wallpaper heading. The counts must
// be cleared first. leadBytes decides whether line 2 ends in a real backslash. The observer, when
// given, hears of every line read.
void ReadCandidateLists(LineReader& reader, const LeadByteTable& leadBytes, ListLineObserver* observer = nullptr);

// The list file beside an executable: its path with the extension after the last "." of the last
// component replaced by ".DAT", or ".DAT" appended where there is none.
std::string ListFilePathOf(const std::string& executablePath, const LeadByteTable& leadBytes);
