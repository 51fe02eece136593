// The real DeskRotate.exe, started as a process of its own with a list file beside it.
#include "support/processes.h"
#include "support/rotation_scene.h"

#include <gtest/gtest.h>

#include <set>

namespace {

class DeskRotateExeTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder_ = MakeScratchFolder("exe");
        program_ = folder_ + "\\DeskRotate.exe";
        ASSERT_TRUE(CopyFileTo(BuildFolder() + "\\" DESKROTATE_EXE, program_));
    }
    void TearDown() override
    {
        DeleteFileA(program_.c_str());
        DeleteFileA((folder_ + "\\DeskRotate.DAT").c_str());
        RemoveDirectoryA(folder_.c_str());
    }

    DWORD RunWithList(const std::string& listFile)
    {
        WriteFileBytes(folder_ + "\\DeskRotate.DAT", listFile);
        return RunProgram(program_).exitCode;
    }

    RotationScene scene_;
    std::string folder_;
    std::string program_;
};

TEST_F(DeskRotateExeTest, RotatesTheExampleLists)
{
    const RotationScene& s = scene_;
    const std::string list = s.ListFile({s.SoundEntry(1), "Not use", s.SoundEntry(2), "Not used yet", s.SoundEntry(3)},
                                        {}, {s.SaverEntry(1), s.SaverEntry(2)}, {s.WallpaperEntry(1), "Not use",
                                                                                 s.WallpaperEntry(3)});
    std::set<std::string> startSounds;
    std::string previousSaver = "(before)";
    for (int run = 0; run < 4; ++run) {
        ASSERT_EQ(RunWithList(list), 0u);
        const SettingValues after = ReadSettingValues();
        EXPECT_EQ(after.startSound.type, static_cast<DWORD>(REG_SZ));
        startSounds.insert(TextOf(after.startSound));
        EXPECT_EQ(TextOf(after.exitSound), "(before)");
        // Two candidates, so each run takes the one that is not current.
        EXPECT_NE(TextOf(after.screenSaver), previousSaver);
        previousSaver = TextOf(after.screenSaver);
        EXPECT_TRUE(previousSaver == s.SaverPath(1) || previousSaver == s.SaverPath(2)) << previousSaver;
        const std::string wallpaper = TextOf(after.wallpaper);
        EXPECT_TRUE(wallpaper == s.WallpaperPath(1) || wallpaper == s.WallpaperPath(3)) << wallpaper;
    }
    for (const std::string& sound : startSounds) {
        EXPECT_TRUE(sound == s.SoundPath(1) || sound == s.SoundPath(2) || sound == s.SoundPath(3)) << sound;
    }
}

TEST_F(DeskRotateExeTest, WithoutWorkChangesNothing)
{
    const SettingValues before = ReadSettingValues();
    EXPECT_EQ(RunProgram(program_).exitCode, 0u) << "no list file";
    EXPECT_EQ(RunWithList(scene_.ListFile({}, {}, {}, {})), 0u) << "all lists empty";
    EXPECT_EQ(RunWithList(""), 0u) << "empty list file";
    const SettingValues after = ReadSettingValues();
    EXPECT_EQ(after.startSound.data, before.startSound.data);
    EXPECT_EQ(after.exitSound.data, before.exitSound.data);
    EXPECT_EQ(after.screenSaver.data, before.screenSaver.data);
    EXPECT_EQ(after.wallpaper.data, before.wallpaper.data);
}

TEST_F(DeskRotateExeTest, ASingleEntryNamingTheCurrentValueIsWrittenAgain)
{
    // Stored as REG_EXPAND_SZ, so that the rewrite shows in the type.
    const std::string current = scene_.WallpaperPath(1);
    SetRawValue(DesktopKey, "Wallpaper", REG_EXPAND_SZ, current + '\0');
    ASSERT_EQ(RunWithList(scene_.ListFile({}, {}, {}, {scene_.WallpaperEntry(1)})), 0u);
    const RawValue after = ReadSettingValues().wallpaper;
    EXPECT_EQ(after.type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(TextOf(after), current);
}

TEST_F(DeskRotateExeTest, TheCurrentValueInAnotherCaseIsNeverChosen)
{
    CharUpperBuffA(&scene_.soundFolder[0], static_cast<DWORD>(scene_.soundFolder.size()));
    const std::string list = scene_.ListFile({"SOUND1.WAV", scene_.SoundEntry(2)}, {}, {}, {});
    for (int run = 0; run < 8; ++run) {
        SetRawValue(StartSoundKey, "", REG_SZ, scene_.SoundPath(1) + '\0');
        ASSERT_EQ(RunWithList(list), 0u);
        const std::string chosen = TextOf(ReadSettingValues().startSound);
        EXPECT_EQ(chosen, scene_.soundFolder + "\\" + scene_.SoundEntry(2)) << "run " << run;
    }
}

TEST_F(DeskRotateExeTest, EntriesWithoutAFileAreNotWritten)
{
    struct EntryCase {
        const char* name;
        std::string entry;
    };
    const std::vector<EntryCase> cases = {
        {"missing file", "gone.wav"},
        {"empty entry", ""},
        {"a folder", "."},
    };
    for (const EntryCase& c : cases) {
        ASSERT_EQ(RunWithList(scene_.ListFile({c.entry}, {c.entry}, {}, {c.entry})), 0u) << c.name;
        const SettingValues after = ReadSettingValues();
        EXPECT_EQ(TextOf(after.startSound), "(before)") << c.name;
        EXPECT_EQ(TextOf(after.exitSound), "(before)") << c.name;
        EXPECT_EQ(TextOf(after.wallpaper), "(before)") << c.name;
    }
}

TEST_F(DeskRotateExeTest, AWildcardEntryIsWrittenAsItStands)
{
    ASSERT_EQ(RunWithList(scene_.ListFile({"sound?.wav"}, {}, {}, {})), 0u);
    EXPECT_EQ(TextOf(ReadSettingValues().startSound), scene_.soundFolder + "\\sound?.wav");
}

TEST_F(DeskRotateExeTest, AFailureKeepsEarlierStepsAndSkipsLaterOnes)
{
    SetRawValue(ExitSoundKey, "", REG_DWORD, std::string("\x01\0\0\0", 4));
    const DWORD exitCode = RunWithList(scene_.ListFile({scene_.SoundEntry(1)}, {scene_.SoundEntry(2)},
                                                       {scene_.SaverEntry(1)}, {scene_.WallpaperEntry(1)}));
    EXPECT_EQ(exitCode, 1u);
    const SettingValues after = ReadSettingValues();
    EXPECT_EQ(TextOf(after.startSound), scene_.SoundPath(1));
    EXPECT_EQ(after.exitSound.type, static_cast<DWORD>(REG_DWORD));
    EXPECT_EQ(TextOf(after.screenSaver), "(before)");
    EXPECT_EQ(TextOf(after.wallpaper), "(before)");
}

// List files no user means to write: each run ends within seconds with exit code 0 or 1, never
// a crash code, and writes no value that is not a whole path.
TEST_F(DeskRotateExeTest, HostileListFilesNeverCrashOrHang)
{
    std::string binary(65536, '\0');
    uint32_t state = 12345;
    for (char& byte : binary) byte = static_cast<char>((state = state * 1103515245u + 12345u) >> 24);
    std::string manyLines;
    for (int i = 0; i < 1000000; ++i) manyLines += "x.wav\r\n";
    const std::string longEntry = std::string(400, 'n') + ".wav";
    struct HostileCase {
        const char* name;
        std::string list;
    };
    const std::vector<HostileCase> cases = {
        {"empty file", ""},
        {"one Ctrl-Z", "\x1A"},
        {"random binary", binary},
        {"a million short lines", manyLines},
        {"entries longer than MAX_PATH", scene_.ListFile({longEntry}, {longEntry}, {longEntry}, {longEntry})},
        {"folder line longer than MAX_PATH",
         "Sound folder\r\nC:\\" + std::string(300, 'f') + "\r\nStart\r\n" + scene_.SoundEntry(1) + "\r\n"},
        {"a single line of 200 MB", std::string(200u << 20, 'L')},
    };
    for (const HostileCase& c : cases) {
        WriteFileBytes(folder_ + "\\DeskRotate.DAT", c.list);
        const DWORD start = GetTickCount();
        const DWORD exitCode = RunProgram(program_, "", 30000).exitCode;
        EXPECT_TRUE(exitCode == 0 || exitCode == 1) << c.name << ": exit code " << exitCode;
        EXPECT_LT(GetTickCount() - start, 30000u) << c.name;
        const SettingValues after = ReadSettingValues();
        for (const RawValue* value : {&after.startSound, &after.exitSound, &after.wallpaper}) {
            EXPECT_TRUE(TextOf(*value) == "(before)") << c.name << ": " << TextOf(*value).substr(0, 80);
        }
    }
}

TEST_F(DeskRotateExeTest, AnEntryWithANulByteIsStoredUpToIt)
{
    const std::string entry = scene_.SoundEntry(1) + std::string(1, '\0') + "junk";
    ASSERT_EQ(RunWithList(scene_.ListFile({entry}, {}, {}, {})), 0u);
    EXPECT_EQ(ReadSettingValues().startSound.data, scene_.SoundPath(1) + '\0');
}

TEST_F(DeskRotateExeTest, ARegistryValueOfOneMegabyteIsReadAndReplaced)
{
    SetRawValue(DesktopKey, "Wallpaper", REG_SZ, std::string(1 << 20, 'w') + '\0');
    ASSERT_EQ(RunWithList(scene_.ListFile({}, {}, {}, {scene_.WallpaperEntry(1)})), 0u);
    EXPECT_EQ(TextOf(ReadSettingValues().wallpaper), scene_.WallpaperPath(1));
}

// SYSTEM.INI of the prefix's Windows directory, saved and put back around each case, and the
// version that Wine reports to DeskRotate.exe.
class Windows95FamilyTest : public DeskRotateExeTest {
protected:
    void SetUp() override
    {
        DeskRotateExeTest::SetUp();
        char windows[MAX_PATH];
        systemIni_ = std::string(windows, GetWindowsDirectoryA(windows, MAX_PATH)) + "\\SYSTEM.INI";
        saved_ = CopyFileA(systemIni_.c_str(), (folder_ + "\\saved.ini").c_str(), FALSE) != 0;
    }
    void TearDown() override
    {
        DeleteUserKey(VersionKey);
        if (saved_) CopyFileA((folder_ + "\\saved.ini").c_str(), systemIni_.c_str(), FALSE);
        DeleteFileA((folder_ + "\\saved.ini").c_str());
        DeskRotateExeTest::TearDown();
    }

    void ReportWindows98()
    {
        CreateUserKey(VersionKey);
        SetRawValue(VersionKey, "Version", REG_SZ, std::string("win98", 6));
    }
    std::string BootScreenSaver()
    {
        char value[1024];
        GetPrivateProfileStringA("boot", "SCRNSAVE.EXE", "??", value, sizeof value, systemIni_.c_str());
        return value;
    }
    const std::string VersionKey = "Software\\Wine\\AppDefaults\\DeskRotate.exe";
    std::string systemIni_;
    bool saved_ = false;
};

TEST_F(Windows95FamilyTest, WritesTheShortFormIntoSystemIni)
{
    ReportWindows98();
    WritePrivateProfileStringA("boot", "SCRNSAVE.EXE", "", systemIni_.c_str());
    const std::string list = scene_.ListFile({}, {}, {scene_.SaverEntry(1), scene_.SaverEntry(2)}, {});
    ASSERT_EQ(RunWithList(list), 0u);
    const std::string written = BootScreenSaver();
    EXPECT_TRUE(written == ShortNameOf(scene_.SaverPath(1)) || written == ShortNameOf(scene_.SaverPath(2))) << written;
    EXPECT_NE(written.find('~'), std::string::npos) << written;
    EXPECT_EQ(TextOf(ReadSettingValues().screenSaver), "(before)");
}

TEST_F(Windows95FamilyTest, RecognisesTheCurrentValueInItsShortForm)
{
    ReportWindows98();
    const std::string list = scene_.ListFile({}, {}, {scene_.SaverEntry(1), scene_.SaverEntry(2)}, {});
    for (int run = 0; run < 5; ++run) {
        WritePrivateProfileStringA("boot", "SCRNSAVE.EXE", ShortNameOf(scene_.SaverPath(1)).c_str(), systemIni_.c_str());
        ASSERT_EQ(RunWithList(list), 0u);
        EXPECT_EQ(BootScreenSaver(), ShortNameOf(scene_.SaverPath(2))) << "run " << run;
    }
}

TEST_F(Windows95FamilyTest, TheNtFamilyLeavesSystemIniAlone)
{
    WritePrivateProfileStringA("boot", "SCRNSAVE.EXE", "C:\\KEPT.SCR", systemIni_.c_str());
    ASSERT_EQ(RunWithList(scene_.ListFile({}, {}, {scene_.SaverEntry(1)}, {})), 0u);
    EXPECT_EQ(BootScreenSaver(), "C:\\KEPT.SCR");
    EXPECT_EQ(TextOf(ReadSettingValues().screenSaver), scene_.SaverPath(1));
}

}  // namespace
