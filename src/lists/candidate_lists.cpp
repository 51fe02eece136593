#include "lists/candidate_lists.h"

#include "platform/failures.h"
#include "platform/messages.h"

#include <utility>

const std::string NotUseMarker = "Not use";

CandidateList StartSounds;
CandidateList ExitSounds;
CandidateList ScreenSavers;
CandidateList Wallpapers;
int32_t& StartSoundCount = StartSounds.count;
int32_t& ExitSoundCount = ExitSounds.count;
int32_t& ScreenSaverCount = ScreenSavers.count;
int32_t& WallpaperCount = Wallpapers.count;
std::string SoundFolder;

const std::string& CandidateList::operator[](int32_t index) const
{
    if (index < 0 || index >= MaxCandidates) RaiseRangeError();
    return entries[static_cast<size_t>(index)];
}

void CandidateList::Add(std::string entry)
{
    if (count < 0 || count >= MaxCandidates) RaiseRangeError();
    entries[static_cast<size_t>(count)] = std::move(entry);
    ++count;
}

void ClearCandidateCounts()
{
    StartSoundCount = 0;
    ExitSoundCount = 0;
    ScreenSaverCount = 0;
    WallpaperCount = 0;
}

namespace {

bool IsNotUseLine(const std::string& line)
{
    return line.compare(0, NotUseMarker.size(), NotUseMarker) == 0;
}

// Reads the five entry positions of a section. False when the file ended before one of them.
bool ReadSection(LineReader& reader, CandidateList& list)
{
    for (int32_t position = 0; position < MaxCandidates; ++position) {
        if (reader.AtEndOfFile()) return false;
        std::string line = reader.ReadLine();
        if (!IsNotUseLine(line)) list.Add(std::move(line));
    }
    return true;
}

// The folder with a backslash appended unless it already ends in one. A 0x5C that is the second
// byte of a double-byte character (such as Shift-JIS 95 5C) is no backslash. An empty folder
// stays empty, so that sound entries written as full paths still work.
std::string SoundFolderOf(std::string folder, const LeadByteTable& leadBytes)
{
    if (folder.empty()) return folder;
    const size_t last = folder.size() - 1;
    if (folder[last] != '\\' || IsTrailByteIn(leadBytes, folder, last)) folder += '\\';
    return folder;
}

}  // namespace

void ReadCandidateLists(LineReader& reader, const LeadByteTable& leadBytes)
{
    reader.SkipLine();
    SoundFolder = SoundFolderOf(reader.ReadLine(), leadBytes);
    reader.SkipLine();
    if (!ReadSection(reader, StartSounds)) return;
    reader.SkipLine();
    if (!ReadSection(reader, ExitSounds)) return;
    reader.SkipLine();
    if (!ReadSection(reader, ScreenSavers)) return;
    if (reader.ReadLine() != WallpaperHeading) return;
    ReadSection(reader, Wallpapers);
}

std::string ListFilePathOf(const std::string& executablePath, const LeadByteTable& leadBytes)
{
    const size_t delimiter = LastDelimiterOf(leadBytes, executablePath, ".\\:");
    if (delimiter != std::string::npos && executablePath[delimiter] == '.') {
        return executablePath.substr(0, delimiter) + ".DAT";
    }
    return executablePath + ".DAT";
}
