#include "stores/registry_settings.h"

#include "platform/failures.h"
#include "platform/messages.h"
#include "support/registry_values.h"
#include "support/system_call_override.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

const std::string StartKey = "AppEvents\\Schemes\\Apps\\.Default\\SystemStart\\.Current";
const std::string ExitKey = "AppEvents\\Schemes\\Apps\\.Default\\SystemExit\\.Current";
const std::string DesktopKey = "Control Panel\\desktop";

// One setting as the stores reach it, and where it lives.
struct Setting {
    const char* label;
    std::string key;
    std::string valueName;
    std::function<std::string()> read;
    std::function<void(const std::string&)> write;
};

const std::vector<Setting>& Settings()
{
    static const std::vector<Setting> settings = {
        {"start-up sound", StartKey, "", [] { return ReadEventSound(1); },
         [](const std::string& v) { WriteEventSound(1, v); }},
        {"exit sound", ExitKey, "", [] { return ReadEventSound(2); },
         [](const std::string& v) { WriteEventSound(2, v); }},
        {"exit sound by event 0", ExitKey, "", [] { return ReadEventSound(0); },
         [](const std::string& v) { WriteEventSound(0, v); }},
        {"exit sound by event -1", ExitKey, "", [] { return ReadEventSound(-1); },
         [](const std::string& v) { WriteEventSound(-1, v); }},
        {"wallpaper", DesktopKey, "Wallpaper", ReadWallpaper, WriteWallpaper},
        {"screen saver", DesktopKey, "SCRNSAVE.EXE", ReadDesktopScreenSaver, WriteDesktopScreenSaver},
    };
    return settings;
}

// Each case starts from the setting's key present and its value absent.
class RegistrySettingsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (const Setting& s : Settings()) {
            CreateUserKey(s.key);
            DeleteRawValue(s.key, s.valueName);
        }
    }
};

std::string ReadFailureOf(const Setting& s)
{
    try {
        s.read();
    } catch (const ERegistryException& failure) {
        return failure.Message();
    }
    return "(no failure)";
}

TEST_F(RegistrySettingsTest, AbsentKeyReadsEmptyAndIsNotCreatedByAWrite)
{
    for (const Setting& s : Settings()) {
        if (s.key == DesktopKey) continue;  // the other settings' tests need the desktop key
        DeleteUserKey(s.key);
        EXPECT_EQ(s.read(), "") << s.label;
        s.write("C:\\a.wav");
        EXPECT_FALSE(UserKeyExists(s.key)) << s.label;
        CreateUserKey(s.key);
    }
}

TEST_F(RegistrySettingsTest, AbsentValueReadsEmptyAndIsCreatedAsString)
{
    for (const Setting& s : Settings()) {
        EXPECT_EQ(s.read(), "") << s.label;
        s.write("C:\\x.bmp");
        const RawValue value = GetRawValue(s.key, s.valueName);
        EXPECT_EQ(value.type, static_cast<DWORD>(REG_SZ)) << s.label;
        EXPECT_EQ(value.data, std::string("C:\\x.bmp", 9)) << s.label << ": n + 1 bytes";
        EXPECT_EQ(s.read(), "C:\\x.bmp") << s.label;
        DeleteRawValue(s.key, s.valueName);
    }
}

TEST_F(RegistrySettingsTest, DataOfSizeZeroReadsEmptyWhateverItsType)
{
    for (DWORD type : {REG_SZ, REG_EXPAND_SZ, REG_DWORD, REG_BINARY, REG_MULTI_SZ}) {
        for (const Setting& s : Settings()) {
            SetRawValue(s.key, s.valueName, type, "");
            EXPECT_EQ(s.read(), "") << s.label << ", type " << type;
        }
    }
    const Setting& wallpaper = Settings()[4];
    SetRawValue(wallpaper.key, wallpaper.valueName, REG_SZ, std::string(1, '\0'));
    EXPECT_EQ(wallpaper.read(), "");
}

TEST_F(RegistrySettingsTest, OtherTypesWithDataFailNamingTheValue)
{
    for (const Setting& s : Settings()) {
        for (DWORD type : {REG_DWORD, REG_BINARY, REG_MULTI_SZ}) {
            SetRawValue(s.key, s.valueName, type, std::string("\x01\0\0\0", 4));
            EXPECT_EQ(ReadFailureOf(s), FormatMessageText(MessageId::RegistryBadDataType, {s.valueName}))
                << s.label << ", type " << type;
        }
    }
    EXPECT_EQ(ReadFailureOf(Settings()[1]).substr(0, 3), "'' ");
    EXPECT_EQ(ReadFailureOf(Settings()[4]).substr(0, 12), "'Wallpaper' ");
}

TEST_F(RegistrySettingsTest, StringDataReadsAsStored)
{
    struct DataCase {
        DWORD type;
        std::string data;
        std::string read;
    };
    const std::vector<DataCase> cases = {
        {REG_EXPAND_SZ, std::string("%SystemRoot%\\web.bmp\0", 21), "%SystemRoot%\\web.bmp"},
        {REG_SZ, "C:\\no-terminator.bmp", "C:\\no-terminator.bmp"},
        {REG_SZ, std::string("C:\\a.bmp\0C:\\b.bmp\0", 18), "C:\\a.bmp"},
        {REG_SZ, std::string(3000, 'x') + '\0', std::string(3000, 'x')},
    };
    for (const DataCase& c : cases) {
        for (const Setting& s : Settings()) {
            SetRawValue(s.key, s.valueName, c.type, c.data);
            EXPECT_EQ(s.read(), c.read) << s.label;
        }
    }
}

TEST_F(RegistrySettingsTest, WriteReplacesAnyTypeByAString)
{
    for (const Setting& s : Settings()) {
        for (DWORD type : {REG_DWORD, REG_EXPAND_SZ}) {
            SetRawValue(s.key, s.valueName, type, std::string("\x01\0\0\0", 4));
            s.write("C:\\Windows\\Media\\chimes.wav");
            const RawValue value = GetRawValue(s.key, s.valueName);
            EXPECT_EQ(value.type, static_cast<DWORD>(REG_SZ)) << s.label;
            EXPECT_EQ(value.data, std::string("C:\\Windows\\Media\\chimes.wav", 28)) << s.label;
        }
        s.write("");
        EXPECT_EQ(GetRawValue(s.key, s.valueName).data, std::string(1, '\0')) << s.label;
    }
}

TEST_F(RegistrySettingsTest, ReadOnlyKeyReadsButRefusesWrites)
{
    const Setting& exitSound = Settings()[1];
    SetRawValue(ExitKey, "", REG_SZ, std::string("C:\\kept.wav", 12));
    // Read access, and enough to put the access list back afterwards.
    SetKeyAccess(ExitKey, "D:(A;;KR;;;WD)(A;;0x00050000;;;WD)");
    HKEY probe = nullptr;
    ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, ExitKey.c_str(), 0, KEY_ALL_ACCESS, &probe), ERROR_ACCESS_DENIED);

    EXPECT_EQ(exitSound.read(), "C:\\kept.wav");
    try {
        exitSound.write("C:\\new.wav");
        ADD_FAILURE() << "no failure raised";
    } catch (const ERegistryException& failure) {
        EXPECT_EQ(failure.Message(), FormatMessageText(MessageId::RegistrySetFailed, {""}));
    }
    SetKeyAccess(ExitKey, "D:(A;;KA;;;WD)");
    EXPECT_EQ(GetRawValue(ExitKey, "").data, std::string("C:\\kept.wav", 12));
}

int dataQueries = 0;

LSTATUS WINAPI FailingDataQuery(HKEY key, LPCSTR name, LPDWORD reserved, LPDWORD type, LPBYTE data, LPDWORD size)
{
    if (data == nullptr) return RegQueryValueExA(key, name, reserved, type, data, size);
    ++dataQueries;
    return ERROR_INVALID_FUNCTION;
}

TEST_F(RegistrySettingsTest, FailedDataQueryFailsNamingTheValue)
{
    OVERRIDE_SYSTEM_CALL(RegQueryValueExA, FailingDataQuery);
    for (const Setting& s : Settings()) {
        SetRawValue(s.key, s.valueName, REG_SZ, std::string("C:\\a.bmp", 9));
        dataQueries = 0;
        EXPECT_EQ(ReadFailureOf(s), FormatMessageText(MessageId::RegistryGetFailed, {s.valueName})) << s.label;
        EXPECT_EQ(dataQueries, 1);
    }
}

int openKeys = 0;

LSTATUS WINAPI CountingRegOpenKeyExA(HKEY parent, LPCSTR path, DWORD options, REGSAM access, PHKEY key)
{
    const LSTATUS status = RegOpenKeyExA(parent, path, options, access, key);
    if (status == ERROR_SUCCESS) ++openKeys;
    return status;
}

LSTATUS WINAPI CountingRegCloseKey(HKEY key)
{
    --openKeys;
    return RegCloseKey(key);
}

TEST_F(RegistrySettingsTest, EveryOperationClosesTheKeyItOpened)
{
    OVERRIDE_SYSTEM_CALL(RegOpenKeyExA, CountingRegOpenKeyExA);
    OVERRIDE_SYSTEM_CALL(RegCloseKey, CountingRegCloseKey);
    openKeys = 0;
    for (int round = 0; round < 3; ++round) {
        for (const Setting& s : Settings()) {
            s.write("C:\\x.wav");
            s.read();
        }
    }
    EXPECT_EQ(openKeys, 0);
}

}  // namespace
