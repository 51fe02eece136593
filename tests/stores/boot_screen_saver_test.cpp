#include "stores/boot_screen_saver.h"

#include "platform/failures.h"
#include "platform/messages.h"
#include "run/rotation.h"
#include "support/processes.h"
#include "support/system_call_override.h"

#include <gtest/gtest.h>

namespace {

std::string LastComponent(const std::string& path)
{
    return path.substr(path.rfind('\\') + 1);
}

// A folder holding Starfield.scr, whose short alias Wine makes up.
class PathFormsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder_ = MakeScratchFolder("Long Folder Name ");
        longPath_ = folder_ + "\\Starfield Screen.scr";
        WriteFileBytes(longPath_, "MZ");
        shortPath_ = ShortNameOf(longPath_);
        ASSERT_FALSE(shortPath_.empty());
        ASSERT_NE(LastComponent(shortPath_), "Starfield Screen.scr");
    }
    void TearDown() override
    {
        DeleteFileA(longPath_.c_str());
        RemoveDirectoryA(folder_.c_str());
    }

    std::string folder_, longPath_, shortPath_;
};

TEST_F(PathFormsTest, LongPathOfExpandsExistingPathsOnly)
{
    const std::string shortFolder = shortPath_.substr(0, shortPath_.rfind('\\'));
    struct LongCase {
        std::string given;
        std::string expected;
    };
    const std::vector<LongCase> cases = {
        {shortPath_, longPath_},
        {longPath_, longPath_},
        {shortFolder + "\\GONE.SCR", shortFolder + "\\GONE.SCR"},
        {folder_ + "\\", folder_},
        {shortFolder + "\\Star*.scr", longPath_},
        {shortFolder + "\\?tarfield Screen.scr", longPath_},
        {"", ""},
        {"C:", "C:"},
        {"C:\\", "C:"},
    };
    for (const LongCase& c : cases) EXPECT_EQ(LongPathOf(c.given), c.expected) << c.given;
}

TEST_F(PathFormsTest, LongPathOfRelativeNamesAndTheDriveRoot)
{
    char previous[MAX_PATH];
    GetCurrentDirectoryA(sizeof previous, previous);
    ASSERT_TRUE(SetCurrentDirectoryA(folder_.c_str()));
    EXPECT_EQ(LongPathOf(LastComponent(shortPath_)), "\\Starfield Screen.scr");
    const std::string unknown = LongPathOf("??");
    EXPECT_TRUE(unknown == "??" || unknown.front() == '\\') << unknown;
    SetCurrentDirectoryA(previous);

    const std::string atRoot = "C:\\Starfield Root Test.scr";
    WriteFileBytes(atRoot, "MZ");
    EXPECT_EQ(LongPathOf("C:\\" + LastComponent(ShortNameOf(atRoot))), atRoot);
    DeleteFileA(atRoot.c_str());
}

TEST_F(PathFormsTest, ShortPathOfGivesAUsableFormOrNothing)
{
    EXPECT_EQ(ShortPathOf(longPath_), shortPath_);
    EXPECT_EQ(ShortPathOf(folder_ + "\\gone.scr"), "");
    EXPECT_EQ(ShortPathOf(""), "");
}

std::string longShortForm;
int shortPathCalls = 0;

// Reports a short form of more than 260 characters as Windows does: first the size it needs.
DWORD WINAPI LongShortPathNameA(LPCSTR, LPSTR buffer, DWORD size)
{
    ++shortPathCalls;
    if (size <= longShortForm.size()) return static_cast<DWORD>(longShortForm.size() + 1);
    memcpy(buffer, longShortForm.c_str(), longShortForm.size() + 1);
    return static_cast<DWORD>(longShortForm.size());
}

DWORD WINAPI GrowingShortPathNameA(LPCSTR, LPSTR buffer, DWORD size)
{
    memset(buffer, 'x', size);  // what a buffer that was not filled would hold
    return size + 1;
}

TEST(ShortPathOf, AsksAgainWhenTheShortFormIsLong)
{
    longShortForm = "C:\\" + std::string(300, 'S') + "\\STARFI~1.SCR";
    {
        OVERRIDE_SYSTEM_CALL(GetShortPathNameA, LongShortPathNameA);
        shortPathCalls = 0;
        EXPECT_EQ(ShortPathOf("C:\\whatever.scr"), longShortForm);
        EXPECT_EQ(shortPathCalls, 2);
    }
    {
        OVERRIDE_SYSTEM_CALL(GetShortPathNameA, GrowingShortPathNameA);
        EXPECT_EQ(ShortPathOf("C:\\whatever.scr").find('x'), std::string::npos);
    }
}

// SYSTEM.INI in a scratch Windows directory.
class BootScreenSaverTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        savedWindowsDir_ = WindowsDir;
        WindowsDir = MakeScratchFolder("windows");
        CreateSystemIni();
    }
    void TearDown() override
    {
        ReleaseSystemIni();
        SetFileAttributesA(SystemIniPath.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileA(SystemIniPath.c_str());
        RemoveDirectoryA(WindowsDir.c_str());
        WindowsDir = savedWindowsDir_;
    }

    std::string savedWindowsDir_;
};

TEST_F(BootScreenSaverTest, ReadsTheBootEntry)
{
    EXPECT_EQ(SystemIniPath, WindowsDir + "\\SYSTEM.INI");
    struct ReadCase {
        const char* name;
        std::string file;
        std::string value;
    };
    const std::vector<ReadCase> cases = {
        {"no file", "", "??"},
        {"no section", "[386Enh]\r\nSCRNSAVE.EXE=C:\\A.SCR\r\n", "??"},
        {"no key", "[boot]\r\nshell=Explorer.exe\r\n", "??"},
        {"empty value", "[boot]\r\nSCRNSAVE.EXE=\r\n", ""},
        {"a value", "[boot]\r\nshell=Explorer.exe\r\nSCRNSAVE.EXE=C:\\WINDOWS\\SYSTEM\\STARFI~1.SCR\r\n",
         "C:\\WINDOWS\\SYSTEM\\STARFI~1.SCR"},
        {"a long value", "[boot]\r\nSCRNSAVE.EXE=" + std::string(1500, 'v') + "\r\n", std::string(1023, 'v')},
    };
    for (const ReadCase& c : cases) {
        DeleteFileA(SystemIniPath.c_str());
        if (!c.file.empty()) WriteFileBytes(SystemIniPath, c.file);
        EXPECT_EQ(ReadBootScreenSaver(), c.value) << c.name;
    }
}

TEST_F(BootScreenSaverTest, WritesTheBootEntryKeepingTheRest)
{
    WriteFileBytes(SystemIniPath, "[boot]\r\nshell=Explorer.exe\r\nSCRNSAVE.EXE=C:\\OLD.SCR\r\n[386Enh]\r\nx=1\r\n");
    WriteBootScreenSaver("C:\\WINDOWS\\SYSTEM\\NEW~1.SCR");
    EXPECT_EQ(ReadBootScreenSaver(), "C:\\WINDOWS\\SYSTEM\\NEW~1.SCR");
    WriteBootScreenSaver("");
    EXPECT_EQ(ReadBootScreenSaver(), "") << "the key stays, with an empty value";
    const std::string text = ReadFileBytes(SystemIniPath);
    EXPECT_NE(text.find("shell=Explorer.exe"), std::string::npos);
    EXPECT_NE(text.find("SCRNSAVE.EXE="), std::string::npos);
    EXPECT_NE(text.find("x=1"), std::string::npos);
}

BOOL WINAPI RefusingWritePrivateProfileStringA(LPCSTR, LPCSTR, LPCSTR, LPCSTR)
{
    SetLastError(ERROR_ACCESS_DENIED);
    return FALSE;
}

TEST_F(BootScreenSaverTest, ARefusedWriteNamesTheFile)
{
    WriteFileBytes(SystemIniPath, "[boot]\r\nSCRNSAVE.EXE=C:\\OLD.SCR\r\n");
    SetFileAttributesA(SystemIniPath.c_str(), FILE_ATTRIBUTE_READONLY);
    const bool wineRefuses = !WritePrivateProfileStringA("boot", "probe", "1", SystemIniPath.c_str());
    OVERRIDE_SYSTEM_CALL(WritePrivateProfileStringA,
                         wineRefuses ? &::WritePrivateProfileStringA : &RefusingWritePrivateProfileStringA);
    try {
        WriteBootScreenSaver("C:\\NEW.SCR");
        ADD_FAILURE() << "no failure raised";
    } catch (const Exception& failure) {
        EXPECT_STREQ(failure.ClassName(), "Exception");
        EXPECT_EQ(failure.Message(), SystemIniPath + " \x82\xC9\x8F\x91\x82\xAB\x8D\x9E\x82\xDF\x82\xDC\x82\xB9\x82\xF1");
    }
    EXPECT_EQ(ReadBootScreenSaver(), "C:\\OLD.SCR");
}

}  // namespace
