#include "check/list_check.h"

#include "check/check_texts.h"
#include "check/line_kinds.h"
#include "check/list_template.h"
#include "lists/candidate_lists.h"
#include "platform/console.h"
#include "platform/failures.h"
#include "platform/files.h"
#include "platform/messages.h"
#include "platform/registry.h"
#include "platform/system.h"
#include "platform/text.h"
#include "run/compositions.h"
#include "run/rotation.h"
#include "stores/boot_screen_saver.h"
#include "stores/registry_settings.h"

#include <algorithm>
#include <cstring>
#include <initializer_list>
#include <new>
#include <stdexcept>

namespace {

// Enough for any header that the kind checks look at, the PE signature's offset included.
constexpr size_t FileStartSize = 64 * 1024;

// Whether the list file has been read, so that a later failure is reported as the setting's.
bool listFileRead = false;

const char* const PolicyDesktopKey = "Software\\Policies\\Microsoft\\Windows\\Control Panel\\Desktop";

std::wstring Ansi(const std::string& text)
{
    return WideOf(text, AnsiCodePage);
}

std::wstring Number(size_t n)
{
    return std::to_wstring(n);
}

// The text with its placeholders filled in order by the arguments.
std::wstring Said(CheckText id, std::initializer_list<std::wstring> arguments = {})
{
    const std::wstring pattern = WideOf(CheckTextOf(id), ShiftJisCodePage);
    std::wstring text;
    const std::wstring* next = arguments.begin();
    size_t start = 0;
    for (size_t at = pattern.find(L"%s"); at != std::wstring::npos; at = pattern.find(L"%s", start)) {
        text.append(pattern, start, at - start);
        if (next != arguments.end()) text += *next++;
        start = at + 2;
    }
    text.append(pattern, start, std::wstring::npos);
    return text;
}

enum class FileKind { Sound, Program, Picture };

struct Setting {
    CheckText name;
    const CandidateList& list;
    FileKind kind;
    // The prefix that the rotation joins the entries to; asked only once SoundFolder is read.
    const std::string& (*prefix)();
};

const Setting Settings[] = {
    {CheckText::StartSoundName, StartSounds, FileKind::Sound, SoundEntryPrefix},
    {CheckText::ExitSoundName, ExitSounds, FileKind::Sound, SoundEntryPrefix},
    {CheckText::ScreenSaverName, ScreenSavers, FileKind::Program, ScreenSaverEntryPrefix},
    {CheckText::WallpaperName, Wallpapers, FileKind::Picture, WallpaperEntryPrefix},
};

const Setting& SettingOf(const CandidateList& list)
{
    for (const Setting& setting : Settings) {
        if (&setting.list == &list) return setting;
    }
    RaiseRangeError();
}

bool IsOfKind(FileKind kind, const std::string& start)
{
    switch (kind) {
    case FileKind::Sound: return IsWaveHeader(start);
    case FileKind::Program: return IsProgramHeader(start);
    case FileKind::Picture: return IsPictureHeader(start);
    }
    return false;
}

CheckText WrongKindText(FileKind kind)
{
    switch (kind) {
    case FileKind::Sound: return CheckText::NotWave;
    case FileKind::Program: return CheckText::NotProgram;
    case FileKind::Picture: return CheckText::NotPicture;
    }
    return CheckText::NotPicture;
}

class Report {
public:
    void Line(const std::wstring& text) { text_ += text + L"\r\n"; }
    void Warn(size_t lineNumber, const std::wstring& text)
    {
        warnings_.push_back(lineNumber == 0 ? text : Said(CheckText::LineWarning, {Number(lineNumber), text}));
    }
    bool HasWarnings() const { return !warnings_.empty(); }

    void WriteOut()
    {
        Line(L"");
        if (warnings_.empty()) {
            Line(Said(CheckText::NoWarnings));
        } else {
            Line(Said(CheckText::WarningsHeader, {Number(warnings_.size())}));
            for (const std::wstring& warning : warnings_) Line(L"  " + warning);
        }
        WriteText();
    }

    // Writes the lines so far, without the warnings.
    void WriteText()
    {
        WriteStandardOutput(text_);
        text_.clear();
    }

private:
    std::wstring text_;
    std::vector<std::wstring> warnings_;
};

// Turns what the reader tells of each line into the report's lines and warnings.
class LineInterpreter : public ListLineObserver {
public:
    explicit LineInterpreter(Report& report) : report_(report) {}

    void IgnoredLine(int32_t lineNumber, const std::string& line) override
    {
        lastLine_ = lineNumber;
        report_.Line(Said(CheckText::IgnoredLine, {Number(lineNumber), Ansi(line)}));
        if (lineNumber > 1 && LooksLikeEntry(line)) report_.Warn(lineNumber, Said(CheckText::EntryAtHeading));
    }

    void FolderLine(int32_t lineNumber, const std::string& line, const std::string& soundFolder) override
    {
        lastLine_ = lineNumber;
        if (line.empty()) {
            report_.Line(Said(CheckText::FolderLineEmpty, {Number(lineNumber)}));
            report_.Warn(lineNumber, Said(CheckText::EmptyFolder));
        } else {
            report_.Line(Said(CheckText::FolderLine, {Number(lineNumber), Ansi(soundFolder)}));
        }
    }

    void EntryLine(int32_t lineNumber, const std::string& line, const CandidateList& list, bool kept) override
    {
        lastLine_ = lineNumber;
        const Setting& setting = SettingOf(list);
        if (!kept) {
            report_.Line(Said(CheckText::EntrySkipped, {Number(lineNumber), Said(setting.name), Ansi(line)}));
            return;
        }
        const std::string prefix = setting.prefix();
        const std::string path = prefix + line;
        const bool exists = IsExistingFile(path);
        report_.Line(Said(CheckText::EntryKept,
                          {Number(lineNumber), Said(setting.name), Number(static_cast<size_t>(list.count) + 1),
                           Ansi(line), Ansi(path), Said(exists ? CheckText::FileFound : CheckText::FileMissing)}));
        if (LooksLikeHeading(line)) report_.Warn(lineNumber, Said(CheckText::HeadingAtEntry));
        if (IsNotUseVariant(line)) report_.Warn(lineNumber, Said(CheckText::NotUseVariant));
        if (!prefix.empty() && IsFullPath(line)) report_.Warn(lineNumber, Said(CheckText::FullPathEntry, {Ansi(prefix)}));
        if (!exists) {
            report_.Warn(lineNumber, Said(CheckText::MissingFile, {Ansi(path)}));
        } else if (!IsOfKind(setting.kind, FileStartOf(path, FileStartSize))) {
            report_.Warn(lineNumber, Said(WrongKindText(setting.kind), {Ansi(path)}));
        }
    }

    void WallpaperHeadingLine(int32_t lineNumber, const std::string& line, bool matched) override
    {
        lastLine_ = lineNumber;
        headingMatched_ = matched;
        if (matched) {
            report_.Line(Said(CheckText::HeadingMatched, {Number(lineNumber)}));
            return;
        }
        report_.Line(Said(CheckText::HeadingNotMatched, {Number(lineNumber), Ansi(line)}));
        // A file that simply ends before line 21 names no wallpapers, which may well be meant.
        if (line.empty()) return;
        if (IsHeadingInUtf8(line)) {
            report_.Warn(lineNumber, Said(CheckText::HeadingInUtf8));
        } else if (IsHeadingWithHalfWidthBrackets(line)) {
            report_.Warn(lineNumber, Said(CheckText::HeadingHalfWidth));
        } else if (LooksLikeEntry(line)) {
            report_.Warn(lineNumber, Said(CheckText::EntryAtHeading));
        } else {
            report_.Warn(lineNumber, Said(CheckText::HeadingDiffers));
        }
    }

    void EndBeforeEntry(int32_t lineNumber) override { endBeforeLine_ = lineNumber; }

    int32_t LastLine() const { return lastLine_; }
    int32_t EndBeforeLine() const { return endBeforeLine_; }
    bool HeadingMatched() const { return headingMatched_; }

private:
    Report& report_;
    int32_t lastLine_ = 0;
    int32_t endBeforeLine_ = 0;
    bool headingMatched_ = false;
};

class StringBytes : public ByteSource {
public:
    explicit StringBytes(const std::string& data) : data_(data) {}
    size_t ReadBytes(char* buffer, size_t capacity) override
    {
        const size_t count = std::min(capacity, data_.size() - offset_);
        std::memcpy(buffer, data_.data() + offset_, count);
        offset_ += count;
        return count;
    }

private:
    const std::string& data_;
    size_t offset_ = 0;
};

std::string WholeFile(const std::string& path)
{
    ReadOnlyFile file(path);
    std::string data;
    std::vector<char> buffer(LineReader::DefaultBufferSize);
    for (size_t count; (count = file.Read(buffer.data(), buffer.size())) > 0;) data.append(buffer.data(), count);
    file.Close();
    return data;
}

// The list file that DeskRotate.exe in this program's folder reads.
std::string DefaultListFile()
{
    const std::string executable = ExecutablePath();
    const size_t folderEnd = LastDelimiterOf(SystemLeadBytes(), executable, "\\:");
    const std::string folder = folderEnd == std::string::npos ? "" : executable.substr(0, folderEnd + 1);
    return ListFilePathOf(folder + "DeskRotate.exe", SystemLeadBytes());
}

// The setting's current value as its store holds it, or why it is not read.
std::wstring CurrentValueOf(const Setting& setting)
{
    std::string value;
    if (&setting.list == &StartSounds) {
        value = ReadEventSound(1);
    } else if (&setting.list == &ExitSounds) {
        value = ReadEventSound(2);
    } else if (&setting.list == &ScreenSavers && PlatformId() == Windows95Family) {
        // Stored in its short form; the run compares the candidates with its long form.
        CreateSystemIni();
        value = LongPathOf(ReadBootScreenSaver());
        ReleaseSystemIni();
    } else if (&setting.list == &ScreenSavers) {
        value = ReadDesktopScreenSaver();
    } else {
        value = ReadWallpaper();
    }
    CurrentSetting = value;
    return value.empty() ? Said(CheckText::CurrentEmpty) : Ansi(value);
}

std::wstring JoinedEntries(const std::vector<std::string>& entries)
{
    std::wstring text;
    for (const std::string& entry : entries) text += (text.empty() ? L"" : L", ") + Ansi(entry);
    return text;
}

void ReportSetting(Report& report, const Setting& setting)
{
    const CandidateList& list = setting.list;
    if (list.count < 1) {
        report.Line(Said(CheckText::NoCandidates, {Said(setting.name)}));
        return;
    }
    const uint32_t platform = PlatformId();
    if (&list == &ScreenSavers && platform != WindowsNtFamily && platform != Windows95Family) {
        report.Line(Said(CheckText::NotRotatedHere, {Said(setting.name), Number(static_cast<size_t>(list.count))}));
        return;
    }
    CurrentSetting.clear();
    report.Line(Said(CheckText::SettingCount,
                     {Said(setting.name), Number(static_cast<size_t>(list.count)), CurrentValueOf(setting)}));
    const std::string prefix = setting.prefix();
    std::vector<std::string> written;
    std::vector<std::string> neverWritten;
    for (int32_t i = 0; i < list.count; ++i) {
        if (!IsChoosable(list, prefix, i)) continue;
        (IsExistingFile(prefix + list[i]) ? written : neverWritten).push_back(list[i]);
    }
    if (!written.empty()) report.Line(Said(CheckText::NextChoices, {JoinedEntries(written)}));
    if (!neverWritten.empty()) report.Line(Said(CheckText::NeverWritten, {JoinedEntries(neverWritten)}));
}

// Checks outside the list file that decide whether rotating a setting shows at all.
void WarnAboutSystem(Report& report)
{
    if (ScreenSaverCount > 0) {
        const RegistryKey policy(PolicyDesktopKey);
        if (policy.IsOpen()) {
            if (!policy.ReadString("SCRNSAVE.EXE").empty()) {
                report.Warn(0, Said(CheckText::PolicyScreenSaver, {L"SCRNSAVE.EXE"}));
            }
            if (policy.ReadString("ScreenSaveActive") == "0") {
                report.Warn(0, Said(CheckText::PolicyScreenSaver, {L"ScreenSaveActive"}));
            }
        }
    }
    if (IsWindows8OrLater()) {
        if (StartSoundCount > 0) report.Warn(0, Said(CheckText::StartupSoundOptIn));
        if (ExitSoundCount > 0) report.Warn(0, Said(CheckText::NoExitSoundPlayed));
    }
}

int CheckListFile(const std::string& path)
{
    Report report;
    report.Line(Said(CheckText::ListFile, {Ansi(path)}));
    if (!IsExistingFile(path)) {
        report.Line(Said(CheckText::MissingListFile, {Ansi(path)}));
        report.WriteText();
        return CheckFailed;
    }
    const std::string data = WholeFile(path);
    report.Line(L"");
    WindowsDir = WindowsDirectory();
    SystemDir = SystemDirectory();
    ClearCandidateCounts();
    StringBytes bytes(data);
    LineReader reader(bytes);
    LineInterpreter interpreter(report);
    ReadCandidateLists(reader, SystemLeadBytes(), &interpreter);

    const size_t loneLineFeed = FirstLoneLineFeedLine(data);
    if (loneLineFeed != 0) report.Warn(loneLineFeed, Said(CheckText::LineFeedOnly));
    size_t lineNumber = static_cast<size_t>(interpreter.LastLine());
    while (!reader.AtEndOfFile()) {
        ++lineNumber;
        report.Line(Said(CheckText::NeverRead, {Number(lineNumber), Ansi(reader.ReadLine())}));
    }
    if (interpreter.EndBeforeLine() != 0) {
        const CheckText stop = HasEndOfFileMark(data) ? CheckText::StoppedAtCtrlZ : CheckText::StoppedAtEnd;
        report.Line(Said(stop, {Number(static_cast<size_t>(interpreter.EndBeforeLine()))}));
    } else if (!interpreter.HeadingMatched()) {
        report.Line(Said(CheckText::StoppedAtHeading));
    } else {
        report.Line(Said(CheckText::StoppedAfterWallpapers));
    }

    // The lines are out before the stores are read, so that a setting that cannot be read still
    // leaves the user what the file says.
    report.WriteText();
    listFileRead = true;

    report.Line(L"");
    report.Line(Said(CheckText::SettingsHeader));
    for (const Setting& setting : Settings) ReportSetting(report, setting);
    WarnAboutSystem(report);
    const bool warned = report.HasWarnings();
    report.WriteOut();
    return warned ? CheckWarned : CheckFoundNothing;
}

int WriteTemplate(const std::string& path)
{
    if (!CreateNewFile(path, ListTemplate())) {
        WriteStandardOutput(Said(CheckText::TemplateRefused, {Ansi(path)}) + L"\r\n");
        return CheckFailed;
    }
    WriteStandardOutput(Said(CheckText::TemplateWritten, {Ansi(path)}) + L"\r\n");
    return CheckFoundNothing;
}

int Dispatch(const std::vector<std::string>& arguments)
{
    if (arguments.empty()) return CheckListFile(DefaultListFile());
    if (arguments.size() == 1 && arguments[0].compare(0, 2, "--") != 0) return CheckListFile(arguments[0]);
    if (arguments.size() == 2 && arguments[0] == "--new") return WriteTemplate(arguments[1]);
    WriteStandardOutput(Said(CheckText::Usage) + L"\r\n");
    return CheckFailed;
}

void ReportFailureText(const std::string& message)
{
    const CheckText failure = listFileRead ? CheckText::CannotReadSetting : CheckText::CannotRead;
    WriteStandardOutput(Said(failure, {WideOf(message, ShiftJisCodePage)}) + L"\r\n");
}

}  // namespace

int RunListCheck(const std::vector<std::string>& arguments)
{
    try {
        return Dispatch(arguments);
    } catch (const Exception& failure) {
        ReportFailureText(failure.Message());
    } catch (const std::bad_alloc&) {
        ReportFailureText(MessageText(MessageId::OutOfMemory));
    } catch (const std::length_error&) {
        ReportFailureText(MessageText(MessageId::OutOfMemory));
    }
    return CheckFailed;
}
