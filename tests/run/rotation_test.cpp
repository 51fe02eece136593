// The whole run in the test's own process, where the platform table can count store calls or make
// the platform query report a family that is neither.
#include "run/rotation.h"

#include "platform/files.h"
#include "platform/text.h"
#include "support/processes.h"
#include "support/rotation_scene.h"
#include "support/run_harness.h"
#include "support/system_call_override.h"

#include <gtest/gtest.h>

namespace {

int keyOpens = 0;
int versionQueries = 0;
DWORD fakePlatformId = 0;
BOOL fakeVersionResult = TRUE;

LSTATUS WINAPI CountingRegOpenKeyExA(HKEY parent, LPCSTR path, DWORD options, REGSAM access, PHKEY key)
{
    ++keyOpens;
    return RegOpenKeyExA(parent, path, options, access, key);
}

BOOL WINAPI FakeGetVersionExA(LPOSVERSIONINFOA version)
{
    ++versionQueries;
    if (fakeVersionResult) version->dwPlatformId = fakePlatformId;
    return fakeVersionResult;
}

class InProcessRotationTest : public ::testing::Test {
protected:
    void SetUp() override { listFile_ = ListFilePathOf(ExecutablePath(), SystemLeadBytes()); }
    void TearDown() override { DeleteFileA(listFile_.c_str()); }

    RotationScene scene_;
    std::string listFile_;
};

TEST_F(InProcessRotationTest, NothingToDoTouchesNoStore)
{
    OVERRIDE_SYSTEM_CALL(RegOpenKeyExA, CountingRegOpenKeyExA);
    OVERRIDE_SYSTEM_CALL(GetVersionExA, FakeGetVersionExA);
    for (bool withEmptyLists : {false, true}) {
        DeleteFileA(listFile_.c_str());
        if (withEmptyLists) WriteFileBytes(listFile_, scene_.ListFile({}, {}, {}, {}));
        keyOpens = versionQueries = 0;
        const InProcessRun run = RunRotationInProcess();
        EXPECT_EQ(run.exitCode, 0u);
        EXPECT_TRUE(run.boxes.empty());
        EXPECT_EQ(keyOpens, 0);
        EXPECT_EQ(versionQueries, 0);
    }
}

TEST_F(InProcessRotationTest, PlatformOfNeitherFamilyLeavesTheScreenSaverAlone)
{
    OVERRIDE_SYSTEM_CALL(GetVersionExA, FakeGetVersionExA);
    WriteFileBytes(listFile_, scene_.ListFile({}, {}, {scene_.SaverEntry(1)}, {scene_.WallpaperEntry(1)}));
    for (DWORD platform : {0, 3}) {
        for (BOOL result : {TRUE, FALSE}) {
            fakePlatformId = platform;
            fakeVersionResult = result;
            SetRawValue(DesktopKey, "Wallpaper", REG_SZ, std::string("(before)", 9));
            versionQueries = 0;
            EXPECT_EQ(RunRotationInProcess().exitCode, 0u);
            EXPECT_EQ(versionQueries, 1);
            EXPECT_EQ(TextOf(ReadSettingValues().screenSaver), "(before)") << platform;
            EXPECT_EQ(TextOf(ReadSettingValues().wallpaper), scene_.WallpaperPath(1)) << platform;
        }
    }
    fakePlatformId = VER_PLATFORM_WIN32_NT;
    fakeVersionResult = TRUE;
    EXPECT_EQ(RunRotationInProcess().exitCode, 0u);
    EXPECT_EQ(TextOf(ReadSettingValues().screenSaver), scene_.SaverPath(1));
}

TEST_F(InProcessRotationTest, EveryStepWithWorkWritesItsChoice)
{
    WriteFileBytes(listFile_, scene_.ListFile({scene_.SoundEntry(1)}, {scene_.SoundEntry(2)}, {scene_.SaverEntry(3)},
                                              {scene_.WallpaperEntry(2)}));
    const InProcessRun run = RunRotationInProcess();
    EXPECT_EQ(run.exitCode, 0u);
    EXPECT_TRUE(run.boxes.empty());
    const SettingValues after = ReadSettingValues();
    EXPECT_EQ(TextOf(after.startSound), scene_.SoundPath(1));
    EXPECT_EQ(TextOf(after.exitSound), scene_.SoundPath(2));
    EXPECT_EQ(TextOf(after.screenSaver), scene_.SaverPath(3));
    EXPECT_EQ(TextOf(after.wallpaper), scene_.WallpaperPath(2));
}

}  // namespace
