// The whole run with the Nth platform call failing, for every N until a run no longer meets the
// failure: each ends through the report or completes, and no setting is left half-formed.
#include "platform/files.h"
#include "platform/text.h"
#include "lists/candidate_lists.h"
#include "support/fault_injection.h"
#include "support/processes.h"
#include "support/rotation_scene.h"
#include "support/run_harness.h"
#include "support/system_call_override.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <set>

namespace {

VOID WINAPI FixedSystemTime(LPSYSTEMTIME time)
{
    *time = {2026, 12, 5, 11, 9, 30, 15, 500};
}

TEST(FaultSweep, EveryFailingCallEndsTheRunCleanly)
{
    RotationScene scene;
    const std::string listFile = ListFilePathOf(ExecutablePath(), SystemLeadBytes());
    WriteFileBytes(listFile, scene.ListFile({scene.SoundEntry(1), scene.SoundEntry(2)},
                                            {scene.SoundEntry(2), scene.SoundEntry(3)},
                                            {scene.SaverEntry(1), scene.SaverEntry(2)},
                                            {scene.WallpaperEntry(1), scene.WallpaperEntry(2)}));
    const std::vector<std::set<std::string>> candidates = {
        {scene.SoundPath(1), scene.SoundPath(2)},
        {scene.SoundPath(2), scene.SoundPath(3)},
        {scene.SaverPath(1), scene.SaverPath(2)},
        {scene.WallpaperPath(1), scene.WallpaperPath(2)},
    };
    const char* const names[] = {"start-up sound", "exit sound", "screen saver", "wallpaper"};
    OVERRIDE_SYSTEM_CALL(GetSystemTime, FixedSystemTime);

    std::set<std::string> reportedFailures;
    bool completed = false;
    int n = 1;
    for (; n < 1000 && !completed; ++n) {
        const std::string before("(before)", 9);
        SetRawValue(StartSoundKey, "", REG_SZ, before);
        SetRawValue(ExitSoundKey, "", REG_SZ, before);
        SetRawValue(DesktopKey, "SCRNSAVE.EXE", REG_SZ, before);
        SetRawValue(DesktopKey, "Wallpaper", REG_SZ, before);

        faultPlan = FaultPlan{n, 0, ""};
        InstallFaultInjection();
        const InProcessRun run = RunRotationInProcess();
        RemoveFaultInjection();
        SCOPED_TRACE("call " + std::to_string(n) + " failing: " + faultPlan.failed);

        const SettingValues after = ReadSettingValues();
        const RawValue* values[] = {&after.startSound, &after.exitSound, &after.screenSaver, &after.wallpaper};
        std::vector<bool> written;
        for (int i = 0; i < 4; ++i) {
            const std::string text = TextOf(*values[i]);
            EXPECT_TRUE(text == "(before)" || candidates[i].count(text) == 1) << names[i] << ": " << text;
            EXPECT_EQ(values[i]->type, static_cast<DWORD>(REG_SZ)) << names[i];
            written.push_back(text != "(before)");
        }

        completed = faultPlan.failed.empty();
        if (completed) {
            EXPECT_EQ(run.exitCode, 0u);
            EXPECT_EQ(written, std::vector<bool>(4, true)) << "the run without a failure writes every setting";
        } else if (run.exitCode == 1) {
            ASSERT_EQ(run.boxes.size(), 1u);
            const std::string& text = run.boxes[0].text;
            const std::string failureClass = text.substr(0, text.find('\x82'));
            EXPECT_TRUE(failureClass == "EInOutError" || failureClass == "ERegistryException") << text;
            EXPECT_NE(text.find('\n'), std::string::npos);
            reportedFailures.insert(faultPlan.failed);
            // Steps before the failure stored their values; the failing step and later ones did not.
            for (size_t i = 1; i < written.size(); ++i) EXPECT_FALSE(written[i] && !written[i - 1]) << names[i];
        } else {
            EXPECT_EQ(run.exitCode, 0u);
            EXPECT_TRUE(run.boxes.empty());
        }
    }
    EXPECT_TRUE(completed) << "the sweep reached a run without failures";
    std::printf("swept %d failing calls; the report ended %zu kinds of them\n", n - 2, reportedFailures.size());
    for (const char* expected : {"GetModuleFileNameA", "CreateFileA", "ReadFile", "CloseHandle", "RegQueryValueExA",
                                 "RegSetValueExA"}) {
        EXPECT_EQ(reportedFailures.count(expected), 1u) << expected << " failing ends the run through the report";
    }
    DeleteFileA(listFile.c_str());
}

}  // namespace
