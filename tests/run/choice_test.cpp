#include "run/rotation.h"

#include "support/system_call_override.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>

namespace {

WORD fakeMilliseconds = 0;

VOID WINAPI FixedSystemTime(LPSYSTEMTIME time)
{
    *time = {2026, 12, 5, 11, 9, 30, 15, fakeMilliseconds};
}

CandidateList ListOf(const std::vector<std::string>& entries)
{
    CandidateList list;
    for (const std::string& entry : entries) list.Add(entry);
    return list;
}

// How often each composed path is chosen over many draws from one seed.
std::map<std::string, int> Choices(const CandidateList& list, const std::string& prefix, int draws)
{
    OVERRIDE_SYSTEM_CALL(GetSystemTime, FixedSystemTime);
    SeedRandom();
    std::map<std::string, int> counts;
    for (int i = 0; i < draws; ++i) {
        ChooseCandidate(list, prefix);
        EXPECT_EQ(CandidatePath, prefix + list[ChosenIndex]);
        ++counts[CandidatePath];
    }
    return counts;
}

TEST(SamePathText, EqualOnlyWhenUpperCasedTextsAgree)
{
    struct PathPair {
        std::string a, b;
        bool same;
    };
    const std::vector<PathPair> cases = {
        {"C:\\Windows\\tada.wav", "c:\\WINDOWS\\TADA.WAV", true},
        {"", "", true},
        {"", "C:\\", false},
        {"C:\\a.wav", "C:/a.wav", false},
        {"C:\\a.wav", "C:\\a.wav\\", false},
        {"C:\\PROGRA~1\\a.wav", "C:\\Program Files\\a.wav", false},
        {"%WINDIR%\\a.bmp", "C:\\windows\\a.bmp", false},
        {std::string("a\0b", 3), std::string("A\0B", 3), true},
        {std::string("a\0b", 3), "a", false},
    };
    for (const PathPair& c : cases) EXPECT_EQ(SamePathText(c.a, c.b), c.same) << c.a << " / " << c.b;
}

TEST(RandomBelow, EveryValueIsEquallyLikely)
{
    OVERRIDE_SYSTEM_CALL(GetSystemTime, FixedSystemTime);
    for (int32_t n = 1; n <= 5; ++n) {
        SeedRandom();
        std::vector<int> counts(n, 0);
        const int draws = 50000;
        for (int i = 0; i < draws; ++i) {
            const int32_t value = RandomBelow(n);
            ASSERT_GE(value, 0);
            ASSERT_LT(value, n);
            ++counts[value];
        }
        // Within five standard deviations of the expected count.
        const double expected = static_cast<double>(draws) / n;
        for (int count : counts) EXPECT_NEAR(count, expected, 5 * std::sqrt(expected)) << "n = " << n;
    }
}

TEST(RandomBelow, TheSeedIsTheTimeOfDay)
{
    OVERRIDE_SYSTEM_CALL(GetSystemTime, FixedSystemTime);
    auto sequence = [] {
        SeedRandom();
        std::vector<int32_t> values;
        for (int i = 0; i < 20; ++i) values.push_back(RandomBelow(5));
        return values;
    };
    fakeMilliseconds = 1;
    const std::vector<int32_t> first = sequence();
    EXPECT_EQ(sequence(), first);
    fakeMilliseconds = 2;
    EXPECT_NE(sequence(), first);
    fakeMilliseconds = 0;
}

TEST(ChooseCandidate, NeverChoosesTheCurrentValueWhileAnotherEntryDiffers)
{
    CurrentSetting = "C:\\MEDIA\\B.WAV";
    const std::map<std::string, int> counts = Choices(ListOf({"a.wav", "b.wav", "c.wav", "a.wav"}), "C:\\media\\", 40000);
    EXPECT_EQ(counts.count("C:\\media\\b.wav"), 0u);
    // Uniform over the entries that differ, an entry listed twice counting twice.
    EXPECT_NEAR(counts.at("C:\\media\\a.wav"), 40000 * 2 / 3, 600);
    EXPECT_NEAR(counts.at("C:\\media\\c.wav"), 40000 / 3, 600);
}

TEST(ChooseCandidate, SingleEntryIsChosenEvenWhenCurrent)
{
    CurrentSetting = "C:\\media\\a.wav";
    const std::map<std::string, int> counts = Choices(ListOf({"a.wav"}), "C:\\media\\", 10);
    EXPECT_EQ(counts.at("C:\\media\\a.wav"), 10);
}

TEST(ChooseCandidate, ChoosesAmongAllWhenEveryEntryIsTheCurrentValue)
{
    CurrentSetting = "c:\\media\\a.wav";
    const std::map<std::string, int> counts =
        Choices(ListOf({"a.wav", "A.WAV", "a.wav"}), "C:\\media\\", 30000);
    EXPECT_NEAR(counts.at("C:\\media\\a.wav"), 20000, 600);
    EXPECT_NEAR(counts.at("C:\\media\\A.WAV"), 10000, 600);
}

TEST(ChooseCandidate, EmptyCurrentValueTakesTheFirstDraw)
{
    CurrentSetting = "";
    const std::map<std::string, int> counts = Choices(ListOf({"", "x.bmp"}), "C:\\", 20000);
    // "C:\" differs from the empty current value, so both entries stay possible.
    EXPECT_NEAR(counts.at("C:\\"), 10000, 500);
    EXPECT_NEAR(counts.at("C:\\x.bmp"), 10000, 500);
}

}  // namespace
