#include "lists/candidate_lists.h"

#include "platform/failures.h"
#include "platform/messages.h"
#include "support/list_files.h"
#include "support/string_source.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using Entries = std::vector<std::string>;

Entries EntriesOf(const CandidateList& list)
{
    return Entries(list.entries.begin(), list.entries.begin() + list.count);
}

struct ReadResult {
    std::string soundFolder;
    Entries start, exit, screenSavers, wallpapers;
};

ReadResult Read(const std::string& data, const LeadByteTable& leadBytes = LeadByteTable())
{
    SoundFolder = "(untouched)";
    for (CandidateList* list : {&StartSounds, &ExitSounds, &ScreenSavers, &Wallpapers}) {
        list->count = 3;
        list->entries.fill("(stale)");
    }
    ClearCandidateCounts();
    StringSource source(data, 5);
    LineReader reader(source, 16);
    ReadCandidateLists(reader, leadBytes);
    return {SoundFolder, EntriesOf(StartSounds), EntriesOf(ExitSounds), EntriesOf(ScreenSavers),
            EntriesOf(Wallpapers)};
}

TEST(CandidateLists, ExampleFileYieldsItsLists)
{
    std::vector<std::string> lines = ExampleListLines();
    const ReadResult expected = {"D:\\Media\\Sounds\\", {"morning.wav", "bells.wav", "fanfare.wav"},
                                 {"goodbye.wav"}, {"aurora.scr", "orbits.scr"}, {"harbor.bmp", "meadow.bmp"}};
    for (const char* tail : {"", "extra.bmp\r\nmore.bmp\r\n"}) {
        const ReadResult r = Read(JoinLines(lines) + tail);
        EXPECT_EQ(r.soundFolder, expected.soundFolder);
        EXPECT_EQ(r.start, expected.start);
        EXPECT_EQ(r.exit, expected.exit);
        EXPECT_EQ(r.screenSavers, expected.screenSavers);
        EXPECT_EQ(r.wallpapers, expected.wallpapers);
    }
}

TEST(CandidateLists, EndOfFileBeforeAnEntryLineStopsReading)
{
    const std::vector<std::string> lines = ExampleListLines();
    auto firstLines = [&](size_t n) { return std::vector<std::string>(lines.begin(), lines.begin() + n); };

    const std::string sixLines = JoinLines(firstLines(6));
    for (const std::string& data : {sixLines, sixLines.substr(0, sixLines.size() - 2)}) {
        const ReadResult r = Read(data);
        EXPECT_EQ(r.start, (Entries{"morning.wav", "bells.wav"}));
        EXPECT_TRUE(r.exit.empty() && r.screenSavers.empty() && r.wallpapers.empty());
    }

    const ReadResult afterLine20 = Read(JoinLines(firstLines(20)));
    EXPECT_EQ(afterLine20.screenSavers, (Entries{"aurora.scr", "orbits.scr"}));
    EXPECT_TRUE(afterLine20.wallpapers.empty());

    const ReadResult oneLine = Read("Sound folder");
    EXPECT_EQ(oneLine.soundFolder, "");
    EXPECT_TRUE(oneLine.start.empty());
}

TEST(CandidateLists, AnExtraEmptyLineIsAnEntry)
{
    std::vector<std::string> lines = ExampleListLines();
    lines.resize(6);
    const ReadResult r = Read(JoinLines(lines) + "\r\n");
    EXPECT_EQ(r.start, (Entries{"morning.wav", "bells.wav", ""}));
}

TEST(CandidateLists, OnlyTheExactMarkerSkipsASlot)
{
    struct MarkerCase {
        std::string line;
        bool skipped;
    };
    const std::vector<MarkerCase> cases = {
        {"Not use", true},   {"Not used", true},  {"Not use: none", true}, {"not use", false},
        {"NOT USE", false},  {"Not us", false},   {" Not use", false},     {"Not  use", false},
        {"\t", false},       {"", false},         {"Not\tuse", false},
    };
    for (const MarkerCase& c : cases) {
        std::vector<std::string> lines = ExampleListLines();
        lines[3] = c.line;
        const ReadResult r = Read(JoinLines(lines));
        const Entries expected = c.skipped ? Entries{"bells.wav", "fanfare.wav"}
                                           : Entries{c.line, "bells.wav", "fanfare.wav"};
        EXPECT_EQ(r.start, expected) << '"' << c.line << '"';
    }
}

TEST(CandidateLists, ASixLineSectionShiftsEveryLaterLine)
{
    std::vector<std::string> lines = ExampleListLines();
    lines.insert(lines.begin() + 8, "sixth.wav");
    const ReadResult r = Read(JoinLines(lines));
    EXPECT_EQ(r.start, (Entries{"morning.wav", "bells.wav", "fanfare.wav"}));
    EXPECT_EQ(r.exit, (Entries{"Exit sounds", "goodbye.wav"}));
    EXPECT_EQ(r.screenSavers, (Entries{"Screen savers", "aurora.scr", "orbits.scr"}));
    EXPECT_TRUE(r.wallpapers.empty());
}

TEST(CandidateLists, Line21MustBeTheHeadingByteForByte)
{
    const std::string heading = WallpaperHeading;
    const std::vector<std::string> nearMisses = {
        heading + " ",
        " " + heading,
        "\x81y\x95\xC7\x8E\x86\x82\xF0\x8Ew\x92\xE8(Max:5) \x81z",  // blank missing
        "[ \x95\xC7\x8E\x86\x82\xF0\x8Ew\x92\xE8(Max:5) ]",          // half-width brackets
        "\xE3\x80\x90 \xE5\xA3\x81\xE7\xB4\x99\xE3\x82\x92\xE6\x8C\x87\xE5\xAE\x9A(Max:5) \xE3\x80\x91",  // UTF-8
        heading.substr(0, 22),
        "",
    };
    for (const std::string& line21 : nearMisses) {
        std::vector<std::string> lines = ExampleListLines();
        lines[20] = line21;
        const ReadResult r = Read(JoinLines(lines));
        EXPECT_TRUE(r.wallpapers.empty());
        EXPECT_EQ(r.screenSavers, (Entries{"aurora.scr", "orbits.scr"}));
    }
    for (size_t i = 0; i < heading.size(); ++i) {
        std::vector<std::string> lines = ExampleListLines();
        lines[20][i] ^= 0x01;
        EXPECT_TRUE(Read(JoinLines(lines)).wallpapers.empty()) << "byte " << i;
    }
}

TEST(CandidateLists, SoundFolderEndsInARealBackslash)
{
    struct FolderCase {
        std::string line2;
        std::string single;  // without double-byte support
        std::string shiftJis;
    };
    const std::vector<FolderCase> cases = {
        {"D:\\Media\\Sounds", "D:\\Media\\Sounds\\", "D:\\Media\\Sounds\\"},
        {"D:\\Media\\Sounds\\", "D:\\Media\\Sounds\\", "D:\\Media\\Sounds\\"},
        {"D:", "D:\\", "D:\\"},
        {"", "", ""},
        // The second byte of 表 (95 5C) is 0x5C but no backslash under Shift-JIS.
        {"D:\\\x95\x5C", "D:\\\x95\x5C", "D:\\\x95\x5C\\"},
        {"D:\\\x95\x5C\\", "D:\\\x95\x5C\\", "D:\\\x95\x5C\\"},
        {"D:\\\x81\x81\\", "D:\\\x81\x81\\", "D:\\\x81\x81\\"},
    };
    for (const FolderCase& c : cases) {
        std::vector<std::string> lines = ExampleListLines();
        lines[1] = c.line2;
        EXPECT_EQ(Read(JoinLines(lines)).soundFolder, c.single) << c.line2;
        EXPECT_EQ(Read(JoinLines(lines), ShiftJisLeadBytes()).soundFolder, c.shiftJis) << c.line2;
    }
}

TEST(CandidateLists, LoneLfLineEndsMakeOneLongFirstLine)
{
    const ReadResult r = Read(JoinLines(ExampleListLines(), "\n"));
    EXPECT_EQ(r.soundFolder, "");
    EXPECT_TRUE(r.start.empty() && r.exit.empty() && r.screenSavers.empty() && r.wallpapers.empty());
}

TEST(CandidateLists, CtrlZInTheMiddleEndsTheFile)
{
    std::vector<std::string> lines = ExampleListLines();
    lines[11] = "\x1A" "ignored.wav";
    const ReadResult r = Read(JoinLines(lines));
    EXPECT_EQ(r.exit, (Entries{"goodbye.wav"}));
    EXPECT_TRUE(r.screenSavers.empty() && r.wallpapers.empty());
}

TEST(CandidateLists, LongEntriesAreKeptWhole)
{
    std::vector<std::string> lines = ExampleListLines();
    lines[3] = std::string(256, 'a') + ".wav";
    lines[15] = std::string(300, 'b') + ".scr";
    lines[1] = std::string(270, 'c');
    const ReadResult r = Read(JoinLines(lines));
    EXPECT_EQ(r.start.front(), lines[3]);
    EXPECT_EQ(r.screenSavers.front(), lines[15]);
    EXPECT_EQ(r.soundFolder, lines[1] + "\\");
}

TEST(CandidateList, IndexOutsideTheFiveSlotsIsARangeError)
{
    CandidateList list;
    for (int i = 0; i < MaxCandidates; ++i) list.Add("entry" + std::to_string(i));
    EXPECT_EQ(list[4], "entry4");
    EXPECT_THROW(list[5], ERangeError);
    EXPECT_THROW(list[-1], ERangeError);
    EXPECT_THROW(list.Add("sixth"), ERangeError);
}

TEST(ListFilePath, ReplacesTheExtensionOfTheLastComponent)
{
    struct PathCase {
        std::string executable;
        std::string single;
        std::string shiftJis;
    };
    const std::vector<PathCase> cases = {
        {"C:\\Tools\\Rotate.exe", "C:\\Tools\\Rotate.DAT", "C:\\Tools\\Rotate.DAT"},
        {"C:\\Tools.old\\Rotate", "C:\\Tools.old\\Rotate.DAT", "C:\\Tools.old\\Rotate.DAT"},
        {"C:\\Tools\\Rotate", "C:\\Tools\\Rotate.DAT", "C:\\Tools\\Rotate.DAT"},
        {"C:Rotate.tar.exe", "C:Rotate.tar.DAT", "C:Rotate.tar.DAT"},
        {"C:.exe", "C:.DAT", "C:.DAT"},
        {"", ".DAT", ".DAT"},
        // 表 is 95 5C: under Shift-JIS the 0x5C is not a separator, so the "." before it counts.
        {"C:\\a.b\x95\x5C" "c", "C:\\a.b\x95\x5C" "c.DAT", "C:\\a.DAT"},
        {"C:\\\x95\x5C.d\\Rotate.exe", "C:\\\x95\x5C.d\\Rotate.DAT", "C:\\\x95\x5C.d\\Rotate.DAT"},
        {"C:\\\x95\x5C\\Rotate", "C:\\\x95\x5C\\Rotate.DAT", "C:\\\x95\x5C\\Rotate.DAT"},
    };
    for (const PathCase& c : cases) {
        EXPECT_EQ(ListFilePathOf(c.executable, LeadByteTable()), c.single) << c.executable;
        EXPECT_EQ(ListFilePathOf(c.executable, ShiftJisLeadBytes()), c.shiftJis) << c.executable;
    }
}

}  // namespace
