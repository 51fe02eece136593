// Feeds arbitrary bytes to the list-file reader and checks what it stores against a plain model of
// the format: lines end at CR (one LF after it belongs to the end), Ctrl-Z or the data's end ends
// the file, counts stay within 0..5 and every entry is a line exactly as read.
#include "lists/candidate_lists.h"
#include "platform/messages.h"
#include "support/string_source.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

// The lines that exist; a last line without a line end exists only if it holds a byte.
std::vector<std::string> ModelLines(const std::string& data)
{
    std::vector<std::string> lines;
    std::string line;
    size_t i = 0;
    for (; i < data.size() && data[i] != '\x1A'; ++i) {
        if (data[i] == '\r') {
            lines.push_back(line);
            line.clear();
            if (i + 1 < data.size() && data[i + 1] == '\n') ++i;
        } else {
            line += data[i];
        }
    }
    if (!line.empty()) lines.push_back(line);
    return lines;
}

void Check(bool condition)
{
    if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size)
{
    if (size < 1) return 0;
    const bool shiftJis = (bytes[0] & 0x80) != 0;
    const size_t chunk = (bytes[0] & 0x7F) + 1;
    const std::string data(reinterpret_cast<const char*>(bytes + 1), size - 1);
    const LeadByteTable leadBytes = shiftJis ? ShiftJisLeadBytes() : LeadByteTable();

    ClearCandidateCounts();
    SoundFolder.clear();
    StringSource source(data, chunk);
    LineReader reader(source, (chunk % 7) + 1);
    ReadCandidateLists(reader, leadBytes);

    const std::vector<std::string> lines = ModelLines(data);
    auto lineAt = [&](size_t n) { return n <= lines.size() ? lines[n - 1] : std::string(); };
    std::string folder = lineAt(2);
    if (!folder.empty() && (folder.back() != '\\' || IsTrailByteIn(leadBytes, folder, folder.size() - 1))) {
        folder += '\\';
    }
    Check(SoundFolder == folder);
    // The end of the file before an entry line ends the reading: later sections stay empty.
    bool ended = false;
    auto checkSection = [&](size_t firstLine, const CandidateList& list) {
        std::vector<std::string> expected;
        for (size_t line = firstLine; line < firstLine + 5 && !ended; ++line) {
            ended = line > lines.size();
            if (!ended && lines[line - 1].compare(0, 7, "Not use") != 0) expected.push_back(lines[line - 1]);
        }
        Check(list.count >= 0 && list.count <= MaxCandidates);
        Check(static_cast<size_t>(list.count) == expected.size());
        for (int32_t i = 0; i < list.count; ++i) Check(list[i] == expected[static_cast<size_t>(i)]);
    };
    checkSection(4, StartSounds);
    checkSection(10, ExitSounds);
    checkSection(16, ScreenSavers);
    if (ended || lineAt(21) != WallpaperHeading) {
        Check(WallpaperCount == 0);
    } else {
        checkSection(22, Wallpapers);
    }
    return 0;
}
