#include "run/rotation.h"

#include "lists/load_candidate_lists.h"
#include "platform/files.h"
#include "platform/system.h"
#include "run/compositions.h"
#include "run/failure_report.h"
#include "stores/boot_screen_saver.h"
#include "stores/registry_settings.h"

#include <new>
#include <stdexcept>

std::string WindowsDir;
std::string SystemDir;
std::string CurrentSetting;
int32_t ChosenIndex = 0;
std::string CandidatePath;

namespace {

void RotateEventSound(int32_t soundEvent, const CandidateList& sounds)
{
    if (sounds.count < 1) return;
    CurrentSetting = ReadEventSound(soundEvent);
    ChooseCandidate(sounds, SoundEntryPrefix());
    if (IsExistingFile(CandidatePath)) WriteEventSound(soundEvent, CandidatePath);
}

void RotateScreenSaver()
{
    if (ScreenSaverCount < 1) return;
    switch (PlatformId()) {
    case WindowsNtFamily:
        CurrentSetting = ReadDesktopScreenSaver();
        ChooseCandidate(ScreenSavers, ScreenSaverEntryPrefix());
        if (IsExistingFile(CandidatePath)) WriteDesktopScreenSaver(CandidatePath);
        break;
    case Windows95Family:
        RotateBootScreenSaver();
        break;
    default:
        // Only the two families keep the screen saver where this program knows to find it.
        break;
    }
}

void RotateWallpaper()
{
    if (WallpaperCount < 1) return;
    CurrentSetting = ReadWallpaper();
    ChooseCandidate(Wallpapers, WallpaperEntryPrefix());
    if (IsExistingFile(CandidatePath)) WriteWallpaper(CandidatePath);
}

}  // namespace

void RunRotation()
{
    try {
        WindowsDir = WindowsDirectory();
        SystemDir = SystemDirectory();
        LoadCandidateLists();
        SeedRandom();
        RotateEventSound(1, StartSounds);
        RotateEventSound(2, ExitSounds);
        RotateScreenSaver();
        RotateWallpaper();
    } catch (const Exception& failure) {
        ReportFailure(failure);
    } catch (const std::bad_alloc&) {
        ReportFailure(EOutOfMemory(nullptr));
    } catch (const std::length_error&) {
        // A string longer than the address space allows is memory that cannot be had.
        ReportFailure(EOutOfMemory(nullptr));
    }
    EndProcess(0);
}
