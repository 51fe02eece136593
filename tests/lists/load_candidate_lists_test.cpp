#include "lists/load_candidate_lists.h"

#include "lists/candidate_lists.h"
#include "platform/failures.h"
#include "platform/files.h"
#include "platform/text.h"
#include "support/list_files.h"
#include "support/probe_output.h"
#include "support/processes.h"
#include "support/system_call_override.h"

#include <gtest/gtest.h>

namespace {

// The list file beside the test executable, which LoadCandidateLists reads in-process.
class LoadCandidateListsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        listFile_ = ListFilePathOf(ExecutablePath(), SystemLeadBytes());
        DeleteFileA(listFile_.c_str());
        SoundFolder = "(untouched)";
    }
    void TearDown() override
    {
        DeleteFileA(listFile_.c_str());
        RemoveDirectoryA(listFile_.c_str());
    }

    // The failure that LoadCandidateLists raises, with the example list file in place.
    EInOutError LoadFailure()
    {
        WriteFileBytes(listFile_, JoinLines(ExampleListLines()));
        try {
            LoadCandidateLists();
        } catch (const EInOutError& failure) {
            return failure;
        }
        ADD_FAILURE() << "no failure raised";
        return EInOutError(0, nullptr);
    }

    std::string listFile_;
};

TEST_F(LoadCandidateListsTest, ReadsTheListFileBesideTheExecutable)
{
    EXPECT_EQ(listFile_.substr(listFile_.size() - 18), "\\windows_tests.DAT");
    WriteFileBytes(listFile_, JoinLines(ExampleListLines()));
    LoadCandidateLists();
    EXPECT_EQ(SoundFolder, "D:\\Media\\Sounds\\");
    EXPECT_EQ(StartSoundCount, 3);
    EXPECT_EQ(StartSounds[2], "fanfare.wav");
    EXPECT_EQ(ExitSoundCount, 1);
    EXPECT_EQ(ScreenSaverCount, 2);
    EXPECT_EQ(WallpaperCount, 2);
    EXPECT_EQ(Wallpapers[1], "meadow.bmp");
}

TEST_F(LoadCandidateListsTest, NoListFileLeavesEveryListEmpty)
{
    for (bool asFolder : {false, true}) {
        if (asFolder) {
            ASSERT_TRUE(CreateDirectoryA(listFile_.c_str(), nullptr));
        }
        StartSounds.count = 2;
        WallpaperCount = 1;
        LoadCandidateLists();
        EXPECT_EQ(StartSoundCount + ExitSoundCount + ScreenSaverCount + WallpaperCount, 0);
        EXPECT_EQ(SoundFolder, "(untouched)");
    }
}

TEST_F(LoadCandidateListsTest, RefusedOpenRaisesTheSystemsCode)
{
    for (DWORD code : {2, 3, 4, 5, 32}) {
        injectedError = code;
        OVERRIDE_SYSTEM_CALL(CreateFileA, FailingCreateFileA);
        const EInOutError failure = LoadFailure();
        EXPECT_EQ(failure.Code(), code);
        EXPECT_EQ(failure.Message(), InOutErrorMessage(code));
    }
}

TEST_F(LoadCandidateListsTest, FailedReadOrCloseRaisesTheSystemsCode)
{
    injectedError = ERROR_READ_FAULT;
    {
        OVERRIDE_SYSTEM_CALL(ReadFile, FailingReadFile);
        EXPECT_EQ(LoadFailure().Code(), static_cast<DWORD>(ERROR_READ_FAULT));
    }
    injectedError = ERROR_INVALID_HANDLE;
    {
        OVERRIDE_SYSTEM_CALL(CloseHandle, FailingCloseHandle);
        const EInOutError failure = LoadFailure();
        EXPECT_EQ(failure.Code(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
        EXPECT_EQ(failure.Message(), "I/O \xB4\xD7\xB0 (6)");
    }
    // Reading completed before the close failed.
    EXPECT_EQ(WallpaperCount, 2);
}

TEST_F(LoadCandidateListsTest, FileHeldOpenForWritingGivesCode32)
{
    WriteFileBytes(listFile_, JoinLines(ExampleListLines()));
    HANDLE writer = CreateFileA(listFile_.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(writer, INVALID_HANDLE_VALUE);
    try {
        LoadCandidateLists();
        ADD_FAILURE() << "no failure raised";
    } catch (const EInOutError& failure) {
        EXPECT_EQ(failure.Code(), 32u);
        EXPECT_EQ(failure.Message(), "I/O \xB4\xD7\xB0 (32)");
    }
    CloseHandle(writer);
}

// The list probe copied into a folder of the test's choosing, so that the list file's path is
// formed from a real executable path.
struct ProbePlacement {
    const char* name;
    std::string folder;   // under the scratch folder
    std::string program;  // the probe's file name there
    std::string listFile; // where the probe must look
    bool needsShiftJis;
};

TEST(ListFileLocation, FormsThePathFromTheRealExecutablePath)
{
    const std::vector<ProbePlacement> placements = {
        {"folder with a dot, program without extension", "Tools.old", "Rotate", "Rotate.DAT", false},
        {"ordinary", "Tools", "Rotate.exe", "Rotate.DAT", false},
        // 表 ends in the byte 0x5C, which under Shift-JIS does not end the folder name.
        {"Shift-JIS folder", "\x95\x5C.old", "Rotate", "Rotate.DAT", true},
        {"Shift-JIS name", "Tools", "R\x95\x5C", "R\x95\x5C.DAT", true},
    };
    const std::string probe = BuildFolder() + "\\" LIST_PROBE_EXE;
    for (const ProbePlacement& p : placements) {
        if (p.needsShiftJis && GetACP() != 932) continue;
        const std::string folder = MakeScratchFolder("probe") + "\\" + p.folder;
        MakeFolders(folder);
        const std::string program = folder + "\\" + p.program;
        ASSERT_TRUE(CopyFileTo(probe, program)) << p.name << ": error " << GetLastError();
        std::vector<std::string> lines = ExampleListLines();
        lines[1] = "E:\\";
        WriteFileBytes(folder + "\\" + p.listFile, JoinLines(lines));

        const ProgramResult result = RunProgram(program);
        EXPECT_EQ(result.exitCode, 0u) << p.name;
        EXPECT_EQ(result.output.rfind(ProbeOutput({Probe("folder", "E:\\")}), 0), 0u) << p.name << result.output;
        EXPECT_NE(result.output.find(ProbeOutput({Probe("wallpaper", "meadow.bmp")})), std::string::npos) << p.name;
    }
}

}  // namespace
