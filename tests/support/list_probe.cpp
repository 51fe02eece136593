// Loads the list file beside itself, as the rotation does, and prints what it read: one line per
// value, its bytes in hexadecimal. A failure prints its class and message instead, exit code 1.
#include "lists/candidate_lists.h"
#include "lists/load_candidate_lists.h"
#include "platform/failures.h"

#include <cstdio>
#include <fcntl.h>
#include <io.h>

namespace {

void PrintValue(const char* name, const std::string& value)
{
    std::printf("%s ", name);
    for (unsigned char byte : value) std::printf("%02X", byte);
    std::printf("\n");
}

void PrintList(const char* name, const CandidateList& list)
{
    for (int32_t i = 0; i < list.count; ++i) PrintValue(name, list[i]);
}

}  // namespace

int main()
{
    _setmode(_fileno(stdout), _O_BINARY);
    try {
        LoadCandidateLists();
    } catch (const Exception& failure) {
        PrintValue(failure.ClassName(), failure.Message());
        return 1;
    }
    PrintValue("folder", SoundFolder);
    PrintList("start", StartSounds);
    PrintList("exit", ExitSounds);
    PrintList("saver", ScreenSavers);
    PrintList("wallpaper", Wallpapers);
    return 0;
}
