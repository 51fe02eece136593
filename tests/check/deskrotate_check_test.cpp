// DeskRotateCheck.exe, started as a process of its own; its output is redirected, so it is UTF-8.
#include "platform/messages.h"
#include "support/list_files.h"
#include "support/probe_output.h"
#include "support/processes.h"
#include "support/registry_values.h"
#include "support/rotation_scene.h"

#include <gtest/gtest.h>

#include <set>

namespace {

const std::string WineAppDefaults = "Software\\Wine\\AppDefaults\\DeskRotateCheck.exe";
const std::string PolicyKey = "Software\\Policies\\Microsoft\\Windows\\Control Panel\\Desktop";
// 【 壁紙を指定(Max:5) 】 saved as UTF-8, and in Shift-JIS with half-width brackets.
const std::string HeadingInUtf8 = "\xE3\x80\x90 \xE5\xA3\x81\xE7\xB4\x99\xE3\x82\x92\xE6\x8C\x87\xE5\xAE\x9A(Max:5) \xE3\x80\x91";
const std::string HeadingHalfWidth = "[ \x95\xC7\x8E\x86\x82\xF0\x8Ew\x92\xE8(Max:5) ]";

std::string Directory(UINT(WINAPI* get)(LPSTR, UINT))
{
    char buffer[MAX_PATH];
    return std::string(buffer, get(buffer, MAX_PATH));
}

std::set<std::string> FilesIn(const std::string& folder)
{
    std::set<std::string> names;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return names;
    do {
        names.insert(found.cFileName);
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return names;
}

class DeskRotateCheckTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder_ = MakeScratchFolder("check");
        program_ = folder_ + "\\DeskRotateCheck.exe";
        listFile_ = folder_ + "\\DeskRotate.DAT";
        ASSERT_TRUE(CopyFileTo(BuildFolder() + "\\" DESKROTATE_CHECK_EXE, program_));
        // Windows 7, unless a case asks for a later one: the sound warnings of Windows 8 are one case.
        SetWindowsVersion("win7");
        DeleteUserKey(PolicyKey);
    }
    void TearDown() override
    {
        DeleteUserKey(WineAppDefaults);
        DeleteUserKey(PolicyKey);
        for (const std::string& name : FilesIn(folder_)) DeleteFileA((folder_ + "\\" + name).c_str());
        RemoveDirectoryA(folder_.c_str());
    }

    void SetWindowsVersion(const std::string& version)
    {
        CreateUserKey(WineAppDefaults);
        SetRawValue(WineAppDefaults, "Version", REG_SZ, version + std::string(1, '\0'));
    }

    ProgramResult Check(const std::string& listFile, const std::string& arguments = "")
    {
        WriteFileBytes(listFile_, listFile);
        return RunProgram(program_, arguments);
    }

    // The 26 lines of a list file in which every slot is "Not use".
    static std::vector<std::string> EmptyLines()
    {
        std::vector<std::string> lines = ExampleListLines();
        for (size_t line : {4, 5, 6, 7, 8, 10, 16, 17, 22, 24}) lines[line - 1] = "Not use";
        return lines;
    }

    std::string folder_;
    std::string program_;
    std::string listFile_;
};

TEST_F(DeskRotateCheckTest, PrintsWhatEachLineOfTheExampleMeans)
{
    std::vector<std::string> lines = ExampleListLines();
    lines.push_back("after the wallpapers");
    const ProgramResult result = Check(JoinLines(lines));
    const std::string system = Directory(GetSystemDirectoryA);
    const std::string windows = Directory(GetWindowsDirectoryA);
    const std::string expected =
        "リストファイル: " + listFile_ + "\r\n\r\n"
        "1行目: 見出し (読み飛ばし): Sound folder\r\n"
        "2行目: サウンドフォルダ: D:\\Media\\Sounds\\\r\n"
        "3行目: 見出し (読み飛ばし): Start-up sounds\r\n"
        "4行目: 起動音 1: morning.wav → D:\\Media\\Sounds\\morning.wav (ファイルなし)\r\n"
        "5行目: 起動音: 未使用 (Not use)\r\n"
        "6行目: 起動音 2: bells.wav → D:\\Media\\Sounds\\bells.wav (ファイルなし)\r\n"
        "7行目: 起動音: 未使用 (Not used yet)\r\n"
        "8行目: 起動音 3: fanfare.wav → D:\\Media\\Sounds\\fanfare.wav (ファイルなし)\r\n"
        "9行目: 見出し (読み飛ばし): Exit sounds\r\n"
        "10行目: 終了音 1: goodbye.wav → D:\\Media\\Sounds\\goodbye.wav (ファイルなし)\r\n"
        "11行目: 終了音: 未使用 (Not use)\r\n"
        "12行目: 終了音: 未使用 (Not use)\r\n"
        "13行目: 終了音: 未使用 (Not use)\r\n"
        "14行目: 終了音: 未使用 (Not use)\r\n"
        "15行目: 見出し (読み飛ばし): Screen savers\r\n"
        "16行目: スクリーンセーバー 1: aurora.scr → " + system + "\\aurora.scr (ファイルなし)\r\n"
        "17行目: スクリーンセーバー 2: orbits.scr → " + system + "\\orbits.scr (ファイルなし)\r\n"
        "18行目: スクリーンセーバー: 未使用 (Not use)\r\n"
        "19行目: スクリーンセーバー: 未使用 (Not use)\r\n"
        "20行目: スクリーンセーバー: 未使用 (Not use)\r\n"
        "21行目: 壁紙の見出し: 一致\r\n"
        "22行目: 壁紙 1: harbor.bmp → " + windows + "\\harbor.bmp (ファイルなし)\r\n"
        "23行目: 壁紙: 未使用 (Not use)\r\n"
        "24行目: 壁紙 2: meadow.bmp → " + windows + "\\meadow.bmp (ファイルなし)\r\n"
        "25行目: 壁紙: 未使用 (Not use)\r\n"
        "26行目: 壁紙: 未使用 (Not use)\r\n"
        "27行目: 読まれません: after the wallpapers\r\n"
        "読み込み終了: 26行目まで読みました\r\n\r\n"
        "設定:\r\n";
    EXPECT_EQ(result.output.substr(0, expected.size()), expected);
    EXPECT_NE(result.output.find("起動音: 候補 3 件、現在の値: "), std::string::npos) << result.output;
    EXPECT_NE(result.output.find("    書き込まれない候補 (ファイルなし): morning.wav, bells.wav, fanfare.wav\r\n"),
              std::string::npos) << result.output;
    EXPECT_NE(result.output.find("22行目: " + windows + "\\harbor.bmp にファイルがないため"), std::string::npos);
    EXPECT_EQ(result.exitCode, 1u);
}

TEST_F(DeskRotateCheckTest, TellsWhereReadingStopped)
{
    struct Case {
        std::string listFile;
        std::string stop;
    };
    std::vector<std::string> lines = EmptyLines();
    const std::vector<std::string> sixLines(lines.begin(), lines.begin() + 6);
    std::vector<std::string> badHeading = lines;
    badHeading[20] = "Wallpapers";
    const Case cases[] = {
        {JoinLines(sixLines), "読み込み終了: 7行目の前でファイルが終わりました\r\n"},
        {JoinLines(sixLines) + "\x1A" "Not use\r\n", "読み込み終了: 7行目の前で Ctrl-Z (ファイルの終わりの印) に達しました\r\n"},
        {JoinLines(badHeading), "22行目: 読まれません: Not use\r\n"},
        {JoinLines(badHeading), "読み込み終了: 21行目が壁紙の見出しと一致しないため、壁紙は読まれません\r\n"},
    };
    for (const Case& c : cases) {
        const ProgramResult result = Check(c.listFile);
        EXPECT_NE(result.output.find(c.stop), std::string::npos) << result.output;
    }
}

TEST_F(DeskRotateCheckTest, WarnsOnlyWhereTheFileAlmostCertainlySaysSomethingElse)
{
    RotationScene scene;
    WriteFileBytes(scene.SoundPath(1), std::string("RIFF\x04\0\0\0WAVE", 12));
    std::string program(0x44, '\0');
    program.replace(0, 2, "MZ");
    program[0x3C] = 0x40;
    program.replace(0x40, 4, std::string("PE\0\0", 4));
    WriteFileBytes(scene.SaverPath(1), program);
    WriteFileBytes(scene.WallpaperPath(1), "\x89PNG\r\n\x1A\n");
    struct Case {
        size_t line;           // 1-based; 0 for no change
        std::string text;      // what the line becomes
        std::string warning;   // a part of the warning expected, "" for none
    };
    const Case cases[] = {
        {0, "", ""},
        {21, HeadingInUtf8, "21行目: 壁紙の見出しが UTF-8 で保存されています"},
        {21, HeadingHalfWidth, "21行目: 壁紙の見出しの括弧が半角です"},
        {21, WallpaperHeading + " ", "21行目: 壁紙の見出しではありません"},
        {9, "extra.wav", "9行目: 候補のような行が見出しの位置にあり"},
        {8, "\x81y \x8FI\x97\xB9\x89\xB9 \x81z", "8行目: 見出しのような行が候補の位置にあります"},
        {5, "not use", "5行目: 大文字・小文字や空白が「Not use」と違う"},
        {5, " Not use", "5行目: 大文字・小文字や空白が「Not use」と違う"},
        {5, "Not used yet", ""},
        {2, "", "2行目: サウンドフォルダが空です"},
        {22, "C:\\pictures\\harbor.bmp", "22行目: 候補がフルパスです"},
        {4, scene.SoundEntry(1), ""},
        {4, scene.SoundEntry(2), "4行目: " + scene.SoundPath(2) + " は RIFF/WAVE 形式の音ではありません"},
        {16, scene.SaverEntry(1), ""},
        {16, scene.SaverEntry(2), "16行目: " + scene.SaverPath(2) + " は実行ファイル (MZ/PE) ではありません"},
        {22, scene.WallpaperEntry(1), ""},
        {22, scene.WallpaperEntry(2), "22行目: " + scene.WallpaperPath(2) + " は BMP、JPEG、PNG のどれでもありません"},
        {4, "missing.wav", "4行目: " + scene.soundFolder + "\\missing.wav にファイルがないため"},
    };
    for (const Case& c : cases) {
        std::vector<std::string> lines = EmptyLines();
        lines[1] = scene.soundFolder;
        if (c.line != 0) lines[c.line - 1] = c.text;
        const ProgramResult result = Check(JoinLines(lines));
        if (c.warning.empty()) {
            EXPECT_EQ(result.exitCode, 0u) << c.line << ": " << result.output;
            EXPECT_NE(result.output.find("警告はありません\r\n"), std::string::npos) << result.output;
        } else {
            EXPECT_EQ(result.exitCode, 1u) << c.warning;
            const size_t warnings = result.output.find("\r\n警告 ");
            ASSERT_NE(warnings, std::string::npos) << result.output;
            EXPECT_NE(result.output.find("\r\n  " + c.warning, warnings), std::string::npos)
                << c.warning << "\n" << result.output;
        }
    }
}

TEST_F(DeskRotateCheckTest, WarnsOfLineFeedsWithoutCarriageReturn)
{
    const ProgramResult crlf = Check(JoinLines(EmptyLines()));
    EXPECT_EQ(crlf.exitCode, 0u) << crlf.output;
    const ProgramResult lf = Check(JoinLines(EmptyLines(), "\n"));
    EXPECT_EQ(lf.exitCode, 1u);
    EXPECT_NE(lf.output.find("1行目: 改行が LF だけです"), std::string::npos) << lf.output;
}

TEST_F(DeskRotateCheckTest, WarnsOfWhatTheSystemDoesWithTheSettings)
{
    RotationScene scene;
    std::vector<std::string> lines = EmptyLines();
    lines[1] = scene.soundFolder;
    lines[3] = scene.SoundEntry(3);
    lines[9] = scene.SoundEntry(3);
    lines[15] = scene.SaverEntry(3);
    const std::string listFile = JoinLines(lines);
    const std::string startUp = "Windows 8 以降は、起動音を鳴らす設定をオンにした場合だけ起動音が鳴ります";
    const std::string exit = "Windows 8 以降は終了音を鳴らしません";
    const std::string policy = "ポリシーの SCRNSAVE.EXE がスクリーンセーバーを決めているため";

    std::string output = Check(listFile).output;
    for (const std::string& warning : {startUp, exit, policy}) EXPECT_EQ(output.find(warning), std::string::npos);

    SetWindowsVersion("win8");
    CreateUserKey(PolicyKey);
    SetRawValue(PolicyKey, "SCRNSAVE.EXE", REG_SZ, std::string("policy.scr", 11));
    output = Check(listFile).output;
    for (const std::string& warning : {startUp, exit, policy}) {
        EXPECT_NE(output.find("  " + warning), std::string::npos) << warning << "\n" << output;
    }
}

TEST_F(DeskRotateCheckTest, NewWritesTheTemplateThatTheRotationReadsAsEmpty)
{
    const std::string templateFile = folder_ + "\\list_probe.DAT";
    const ProgramResult written = RunProgram(program_, "--new \"" + templateFile + "\"");
    EXPECT_EQ(written.exitCode, 0u) << written.output;

    std::vector<std::string> lines(26, "Not use");
    lines[0] = "\x81y \x83T\x83" "E\x83\x93\x83h\x83t\x83H\x83\x8B\x83_ \x81z";
    lines[1] = "C:\\Windows\\Media";
    lines[2] = "\x81y \x8BN\x93\xAE\x89\xB9\x82\xF0\x8Ew\x92\xE8(Max:5) \x81z";
    lines[8] = "\x81y \x8FI\x97\xB9\x89\xB9\x82\xF0\x8Ew\x92\xE8(Max:5) \x81z";
    lines[14] = "\x81y \x83X\x83N\x83\x8A\x81[\x83\x93\x83Z\x81[\x83o\x81[\x82\xF0\x8Ew\x92\xE8(Max:5) \x81z";
    lines[20] = WallpaperHeading;
    EXPECT_EQ(ReadFileBytes(templateFile), JoinLines(lines));

    // The rotation's own reader, beside the template under the name that makes it its list file.
    ASSERT_TRUE(CopyFileTo(BuildFolder() + "\\" LIST_PROBE_EXE, folder_ + "\\list_probe.exe"));
    const ProgramResult probe = RunProgram(folder_ + "\\list_probe.exe");
    EXPECT_EQ(probe.exitCode, 0u);
    EXPECT_EQ(probe.output, ProbeOutput({Probe("folder", "C:\\Windows\\Media\\")}));

    WriteFileBytes(templateFile, "mine");
    const ProgramResult refused = RunProgram(program_, "--new \"" + templateFile + "\"");
    EXPECT_EQ(refused.exitCode, 2u);
    EXPECT_NE(refused.output.find("既にあるファイルには書き込みません"), std::string::npos) << refused.output;
    EXPECT_EQ(ReadFileBytes(templateFile), "mine");
}

TEST_F(DeskRotateCheckTest, ChangesNoSettingAndWritesNoFile)
{
    RotationScene scene;
    const std::string listFile = scene.ListFile({scene.SoundEntry(1), scene.SoundEntry(2)}, {scene.SoundEntry(3)},
                                                {scene.SaverEntry(1), scene.SaverEntry(2)},
                                                {scene.WallpaperEntry(1), scene.WallpaperEntry(2)});
    WriteFileBytes(listFile_, listFile);
    const std::set<std::string> filesBefore = FilesIn(folder_);
    const std::set<std::string> soundsBefore = FilesIn(scene.soundFolder);
    const ProgramResult result = RunProgram(program_);
    EXPECT_EQ(result.exitCode, 1u) << result.output;
    // Reading the default list file, beside the program, with the current values named.
    EXPECT_NE(result.output.find("リストファイル: " + listFile_ + "\r\n"), std::string::npos) << result.output;
    EXPECT_NE(result.output.find("壁紙: 候補 2 件、現在の値: (before)\r\n"), std::string::npos) << result.output;
    const SettingValues after = ReadSettingValues();
    for (const RawValue* value : {&after.startSound, &after.exitSound, &after.screenSaver, &after.wallpaper}) {
        EXPECT_EQ(value->type, static_cast<DWORD>(REG_SZ));
        EXPECT_EQ(TextOf(*value), "(before)");
    }
    EXPECT_FALSE(UserKeyExists(PolicyKey));
    EXPECT_EQ(FilesIn(folder_), filesBefore);
    EXPECT_EQ(FilesIn(scene.soundFolder), soundsBefore);
}

TEST_F(DeskRotateCheckTest, OnTheWindows95FamilyReadsTheScreenSaverFromSystemIni)
{
    RotationScene scene;
    char windows[MAX_PATH];
    const std::string systemIni = std::string(windows, GetWindowsDirectoryA(windows, MAX_PATH)) + "\\SYSTEM.INI";
    const std::string saved = folder_ + "\\saved.ini";
    ASSERT_TRUE(CopyFileA(systemIni.c_str(), saved.c_str(), FALSE));
    SetWindowsVersion("win98");
    WritePrivateProfileStringA("boot", "SCRNSAVE.EXE", ShortNameOf(scene.SaverPath(1)).c_str(), systemIni.c_str());
    const std::string systemIniBefore = ReadFileBytes(systemIni);

    const ProgramResult result = Check(scene.ListFile({}, {}, {scene.SaverEntry(1), scene.SaverEntry(2)}, {}));
    const std::string systemIniAfter = ReadFileBytes(systemIni);
    CopyFileA(saved.c_str(), systemIni.c_str(), FALSE);

    // The stored short form is shown in its long form, and the candidate it names is not chosen.
    EXPECT_NE(result.output.find("スクリーンセーバー: 候補 2 件、現在の値: " + scene.SaverPath(1) + "\r\n"
                                 "    次に書き込まれうる候補: " + scene.SaverEntry(2) + "\r\n"),
              std::string::npos) << result.output;
    EXPECT_EQ(systemIniAfter, systemIniBefore);
    EXPECT_EQ(TextOf(ReadSettingValues().screenSaver), "(before)");
}

TEST_F(DeskRotateCheckTest, ASettingThatCannotBeReadEndsTheCheckAfterTheLines)
{
    RotationScene scene;
    SetRawValue(DesktopKey, "Wallpaper", REG_DWORD, std::string("\x01\0\0\0", 4));
    const ProgramResult result = Check(scene.ListFile({}, {}, {}, {scene.WallpaperEntry(1)}));
    SetRawValue(DesktopKey, "Wallpaper", REG_SZ, std::string("(before)", 9));

    EXPECT_EQ(result.exitCode, 2u);
    EXPECT_NE(result.output.find("22行目: 壁紙 1: " + scene.WallpaperEntry(1)), std::string::npos) << result.output;
    EXPECT_NE(result.output.find("読み込み終了: 26行目まで読みました\r\n"), std::string::npos) << result.output;
    EXPECT_NE(result.output.find("設定を読めません: "), std::string::npos) << result.output;
    EXPECT_NE(result.output.find("Wallpaper"), std::string::npos) << result.output;
    EXPECT_EQ(result.output.find("リストファイルを読めません"), std::string::npos) << result.output;
}

TEST_F(DeskRotateCheckTest, FailsWithExitCodeTwoWhenTheFileCannotBeRead)
{
    const ProgramResult missing = RunProgram(program_, "\"" + folder_ + "\\absent.DAT\"");
    EXPECT_EQ(missing.exitCode, 2u);
    EXPECT_NE(missing.output.find("リストファイルがありません: " + folder_ + "\\absent.DAT"), std::string::npos)
        << missing.output;
    // As an editor holds it while saving: open for writing, shared with no one.
    WriteFileBytes(listFile_, JoinLines(EmptyLines()));
    HANDLE held = CreateFileA(listFile_.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    const ProgramResult locked = RunProgram(program_);
    CloseHandle(held);
    EXPECT_EQ(locked.exitCode, 2u);
    EXPECT_NE(locked.output.find("リストファイルを読めません: I/O ｴﾗｰ (32)"), std::string::npos) << locked.output;
    const ProgramResult usage = RunProgram(program_, "one two");
    EXPECT_EQ(usage.exitCode, 2u);
    EXPECT_NE(usage.output.find("使い方: DeskRotateCheck"), std::string::npos) << usage.output;
}

}  // namespace
