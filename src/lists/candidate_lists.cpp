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

// Reads the lines in file order, numbering them and telling the observer, if any, what each was.
class ObservedReader {
public:
    ObservedReader(LineReader& reader, ListLineObserver* observer) : reader_(reader), observer_(observer) {}

    // Without an observer nothing of the line is kept: line 1 may be as long as the file.
    void IgnoreLine()
    {
        if (observer_ == nullptr) {
            ++lineNumber_;
            reader_.SkipLine();
            return;
        }
        const std::string line = NextLine();
        observer_->IgnoredLine(lineNumber_, line);
    }

    void ReadFolder(const LeadByteTable& leadBytes);

    // Reads the five entry positions of a section. False when the file ended before one of them.
    bool ReadSection(CandidateList& list)
    {
        for (int32_t position = 0; position < MaxCandidates; ++position) {
            if (reader_.AtEndOfFile()) {
                if (observer_ != nullptr) observer_->EndBeforeEntry(lineNumber_ + 1);
                return false;
            }
            std::string line = NextLine();
            const bool kept = !IsNotUseLine(line);
            if (observer_ != nullptr) observer_->EntryLine(lineNumber_, line, list, kept);
            if (kept) list.Add(std::move(line));
        }
        return true;
    }

    bool ReadWallpaperHeading()
    {
        const std::string line = NextLine();
        const bool matched = line == WallpaperHeading;
        if (observer_ != nullptr) observer_->WallpaperHeadingLine(lineNumber_, line, matched);
        return matched;
    }

private:
    std::string NextLine()
    {
        ++lineNumber_;
        return reader_.ReadLine();
    }

    LineReader& reader_;
    ListLineObserver* observer_;
    int32_t lineNumber_ = 0;
};

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

void ObservedReader::ReadFolder(const LeadByteTable& leadBytes)
{
    std::string line = NextLine();
    // Without an observer the line itself becomes the folder: line 2 may be as long as the file,
    // and a copy would double what holding it costs.
    if (observer_ == nullptr) {
        SoundFolder = SoundFolderOf(std::move(line), leadBytes);
        return;
    }
    SoundFolder = SoundFolderOf(line, leadBytes);
    observer_->FolderLine(lineNumber_, line, SoundFolder);
}

}  // namespace

void ReadCandidateLists(LineReader& reader, const LeadByteTable& leadBytes, ListLineObserver* observer)
{
    ObservedReader lines(reader, observer);
    lines.IgnoreLine();
    lines.ReadFolder(leadBytes);
    lines.IgnoreLine();
    if (!lines.ReadSection(StartSounds)) return;
    lines.IgnoreLine();
    if (!lines.ReadSection(ExitSounds)) return;
    lines.IgnoreLine();
    if (!lines.ReadSection(ScreenSavers)) return;
    if (!lines.ReadWallpaperHeading()) return;
    lines.ReadSection(Wallpapers);
}

std::string ListFilePathOf(const std::string& executablePath, const LeadByteTable& leadBytes)
{
    const size_t delimiter = LastDelimiterOf(leadBytes, executablePath, ".\\:");
    if (delimiter != std::string::npos && executablePath[delimiter] == '.') {
        return executablePath.substr(0, delimiter) + ".DAT";
    }
    return executablePath + ".DAT";
}
