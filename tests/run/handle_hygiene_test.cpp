// Repeated store operations and list loads leave the process holding no more handles than before.
#include "lists/candidate_lists.h"
#include "lists/load_candidate_lists.h"
#include "platform/files.h"
#include "platform/text.h"
#include "stores/registry_settings.h"
#include "support/list_files.h"
#include "support/processes.h"

#include <gtest/gtest.h>

namespace {

// Wine's GetProcessHandleCount reports 0, but its handle table gives out the lowest free slot: a
// probe handle made and closed lands on the same value again only if no handle was left open.
HANDLE ProbeHandle()
{
    HANDLE probe = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    CloseHandle(probe);
    return probe;
}

TEST(HandleHygiene, RepeatedLoadsAndStoreCallsLeaveNoHandleOpen)
{
    // The probe must see a handle that stays open, or the comparison below proves nothing.
    const HANDLE baseline = ProbeHandle();
    HANDLE leaked = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    EXPECT_NE(ProbeHandle(), baseline);
    CloseHandle(leaked);
    EXPECT_EQ(ProbeHandle(), baseline);

    const std::string listFile = ListFilePathOf(ExecutablePath(), SystemLeadBytes());
    WriteFileBytes(listFile, JoinLines(ExampleListLines()));
    // One round first, so that anything opened once for the process's life is open already.
    LoadCandidateLists();
    WriteWallpaper(ReadWallpaper());
    const HANDLE before = ProbeHandle();
    for (int round = 0; round < 50; ++round) {
        LoadCandidateLists();
        WriteEventSound(1, ReadEventSound(1));
        WriteEventSound(2, ReadEventSound(2));
        WriteDesktopScreenSaver(ReadDesktopScreenSaver());
        WriteWallpaper(ReadWallpaper());
        IsExistingFile(listFile);
    }
    EXPECT_EQ(ProbeHandle(), before);
    DeleteFileA(listFile.c_str());
}

}  // namespace
