#include "stores/boot_screen_saver.h"

#include "lists/candidate_lists.h"
#include "platform/failures.h"
#include "platform/files.h"
#include "platform/ini_file.h"
#include "platform/messages.h"
#include "platform/text.h"
#include "run/compositions.h"
#include "run/rotation.h"
#include "stores/directory_part.h"

#include <optional>
#include <vector>

std::string SystemIniPath;
std::string ShortCandidatePath;

namespace {

const char* const BootSection = "boot";
const char* const ScreenSaverKey = "SCRNSAVE.EXE";
const char* const AbsentValue = "??";
constexpr size_t ValueBufferSize = 1024;
constexpr size_t ShortPathBufferSize = 260;
// The longest path Windows handles at all, in characters with the terminator.
constexpr size_t LongestPathSize = 32768;

// Lives from the composing of SystemIniPath to the end of the step.
std::optional<IniFile> SystemIni;

}  // namespace

void CreateSystemIni()
{
    SystemIniPath = WindowsDir + "\\SYSTEM.INI";
    SystemIni.emplace(SystemIniPath);
}

void ReleaseSystemIni()
{
    SystemIni.reset();
}

std::string ReadBootScreenSaver()
{
    return SystemIni->ReadString(BootSection, ScreenSaverKey, AbsentValue, ValueBufferSize);
}

void WriteBootScreenSaver(const std::string& value)
{
    if (!SystemIni->WriteString(BootSection, ScreenSaverKey, value)) {
        RaiseException(FormatMessageText(MessageId::IniWriteFailed, {SystemIniPath}));
    }
}

std::string LongPathOf(const std::string& path)
{
    std::string longName;
    if (FindFirstEntryName(path, &longName)) {
        const std::string directory = DirectoryPartOf(path, SystemLeadBytes());
        // A directory part that is the path itself, as for a bare drive such as C:, would recur
        // for ever; there is nothing shorter to expand.
        if (directory == path) return path;
        return LongPathOf(directory) + "\\" + longName;
    }
    // Only a real backslash is dropped, never the second byte of a double-byte character.
    if (!path.empty() && path.back() == '\\' && !IsTrailByte(path, path.size() - 1)) {
        return path.substr(0, path.size() - 1);
    }
    return path;
}

std::string ShortPathOf(const std::string& path)
{
    std::vector<char> buffer(ShortPathBufferSize);
    // A short form that does not fit is asked for again in a buffer of the size the call needs,
    // for as long as that size grows.
    for (;;) {
        const uint32_t length = QueryShortPathName(path, buffer);
        if (length < buffer.size()) return std::string(buffer.data(), length);
        // Asking for no more than it was given, or for more than any path can hold, is no answer,
        // and the buffer holds no short form.
        if (length == buffer.size() || length > LongestPathSize) return "";
        buffer.assign(length, '\0');
    }
}

void RotateBootScreenSaver()
{
    CreateSystemIni();
    CurrentSetting = ReadBootScreenSaver();
    CurrentSetting = LongPathOf(CurrentSetting);
    ChooseCandidate(ScreenSavers, ScreenSaverEntryPrefix());
    if (IsExistingFile(CandidatePath)) {
        ShortCandidatePath = ShortPathOf(CandidatePath);
        WriteBootScreenSaver(ShortCandidatePath);
    }
    ReleaseSystemIni();
}
