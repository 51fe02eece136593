#include "platform/text.h"

#include "support/system_call_override.h"

#include <gtest/gtest.h>

namespace {

TEST(SystemText, LeadBytesFollowTheAnsiCodePage)
{
    const LeadByteTable& table = SystemLeadBytes();
    if (GetACP() == 932) {
        EXPECT_TRUE(table.doubleByteEnabled);
        EXPECT_EQ(table.isLead, ShiftJisLeadBytes().isLead);
        EXPECT_TRUE(IsTrailByte("C:\\\x95\x5C", 4));
        EXPECT_FALSE(IsTrailByte("C:\\\x95\x5C", 2));
    } else {
        EXPECT_FALSE(table.doubleByteEnabled);
        EXPECT_FALSE(IsTrailByte("C:\\\x95\x5C", 4));
    }
}

TEST(SystemText, UpperCasesByTheCodePage)
{
    EXPECT_EQ(UpperCased("c:\\windows\\media\\Tada.wav"), "C:\\WINDOWS\\MEDIA\\TADA.WAV");
    EXPECT_EQ(UpperCased(""), "");
    EXPECT_EQ(UpperCased(std::string("a\0b", 3)), std::string("A\0B", 3));
}

}  // namespace
