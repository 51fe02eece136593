#include "platform/lead_bytes.h"

#include <gtest/gtest.h>

namespace {

TEST(LeadBytes, TrailByteFollowsAnOddRunOfLeadBytes)
{
    const LeadByteTable sjis = ShiftJisLeadBytes();
    struct TrailCase {
        std::string text;
        size_t position;
        bool trail;
    };
    const std::vector<TrailCase> cases = {
        {"\x95\x5C", 1, true},            // 表
        {"\x95\x5C", 0, false},
        {"\x81\x81\x5C", 2, false},       // the second 81 is the trail of the first
        {"\x81\x81\x81\x5C", 3, true},
        {"a\\", 1, false},
        {std::string("\x95\0", 2), 1, false},  // a zero byte never is one
        {"\x95", 5, false},
    };
    for (const TrailCase& c : cases) {
        EXPECT_EQ(IsTrailByteIn(sjis, c.text, c.position), c.trail) << c.position;
        EXPECT_FALSE(IsTrailByteIn(LeadByteTable(), c.text, c.position));
        if (c.position < c.text.size()) {
            EXPECT_EQ(TrailBytesOf(sjis, c.text)[c.position], c.trail);
        }
    }
}

TEST(LeadBytes, LastDelimiterPassesOverDoubleByteCharacters)
{
    const LeadByteTable sjis = ShiftJisLeadBytes();
    EXPECT_EQ(LastDelimiterOf(sjis, "C:\\a\x95\x5C", "\\:"), 2u);
    EXPECT_EQ(LastDelimiterOf(LeadByteTable(), "C:\\a\x95\x5C", "\\:"), 5u);
    EXPECT_EQ(LastDelimiterOf(sjis, "\x95\x5C", "\\"), std::string::npos);
    EXPECT_EQ(LastDelimiterOf(sjis, "", "\\"), std::string::npos);
    EXPECT_EQ(LastDelimiterOf(sjis, std::string("a\\\0", 3), std::string("\\").c_str()), 1u);
}

}  // namespace
