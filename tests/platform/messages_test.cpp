#include "platform/failures.h"
#include "platform/messages.h"

#include <gtest/gtest.h>

namespace {

TEST(Messages, InOutErrorsCarryTheirCodeAndText)
{
    struct CodeCase {
        uint32_t code;
        std::string message;
    };
    const std::vector<CodeCase> cases = {
        {2, "\xCC\xA7\xB2\xD9\x82\xAA\x8C\xA9\x82\xC2\x82\xA9\x82\xE8\x82\xDC\x82\xB9\x82\xF1"},
        {3, "\x95s\x90\xB3\x82\xC8\xCC\xA7\xB2\xD9\x96\xBC\x82\xC5\x82\xB7"},
        {4, "\xB5\xB0\xCC\xDF\xDD\x82\xB5\x82\xBD\xCC\xA7\xB2\xD9\x82\xAA\x91\xBD\x82\xB7\x82\xAC\x82\xDC\x82\xB7"},
        {5, "\xCC\xA7\xB2\xD9\x82\xD6\x82\xCC\xB1\xB8\xBE\xBD\x82\xAA\x8B\x91\x94\xDB\x82\xB3\x82\xEA\x82\xDC\x82\xB5\x82\xBD"},
        {32, "I/O \xB4\xD7\xB0 (32)"},
        {0, "I/O \xB4\xD7\xB0 (0)"},
        {4294967295u, "I/O \xB4\xD7\xB0 (4294967295)"},
    };
    for (const CodeCase& c : cases) {
        try {
            RaiseInOutError(c.code);
            ADD_FAILURE() << "no failure raised";
        } catch (const EInOutError& e) {
            EXPECT_EQ(e.Code(), c.code);
            EXPECT_EQ(e.Message(), c.message) << c.code;
            EXPECT_STREQ(e.ClassName(), "EInOutError");
            EXPECT_NE(e.Address(), nullptr);
        }
    }
}

TEST(Messages, PlaceholdersAreFilledInOrder)
{
    EXPECT_EQ(FormatMessageText(MessageId::RegistryBadDataType, {"Wallpaper"}),
              "'Wallpaper' \x82\xCC\xC3\xDE\xB0\xC0\x8C^\x82\xAA\x95s\x90\xB3\x82\xC5\x82\xB7");
    EXPECT_EQ(FormatMessageText(MessageId::RegistrySetFailed, {""}).substr(0, 3), "'' ");
    EXPECT_EQ(FormatMessageText(MessageId::FailureReport, {"EInOutError", "DeskRotate.exe", "0000ABCD"}),
              "EInOutError\x82\xAA\xD3\xBC\xDE\xAD\xB0\xD9 DeskRotate.exe \x82\xCC 0000ABCD "
              "\x82\xC5\x94\xAD\x90\xB6\x82\xB5\x82\xDC\x82\xB5\x82\xBD\x81\x42");
    // An argument that holds a placeholder is not filled again.
    EXPECT_EQ(FormatMessageText(MessageId::IniWriteFailed, {"C:\\%s"}).substr(0, 6), "C:\\%s ");
}

TEST(Messages, WallpaperHeadingIsTheShiftJisBytes)
{
    const unsigned char expected[] = {0x81, 0x79, 0x20, 0x95, 0xC7, 0x8E, 0x86, 0x82, 0xF0, 0x8E, 0x77, 0x92,
                                      0xE8, 0x28, 0x4D, 0x61, 0x78, 0x3A, 0x35, 0x29, 0x20, 0x81, 0x7A};
    EXPECT_EQ(WallpaperHeading, std::string(reinterpret_cast<const char*>(expected), sizeof expected));
}

}  // namespace
