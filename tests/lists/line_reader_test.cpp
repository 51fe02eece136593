#include "lists/line_reader.h"

#include "support/string_source.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// Reads lines until the end-of-file test is true, and two more after it, which must be empty.
std::vector<std::string> LinesOf(const std::string& data, size_t chunk, size_t bufferSize)
{
    StringSource source(data, chunk);
    LineReader reader(source, bufferSize);
    std::vector<std::string> lines;
    while (!reader.AtEndOfFile()) lines.push_back(reader.ReadLine());
    EXPECT_EQ(reader.ReadLine(), "");
    EXPECT_EQ(reader.ReadLine(), "");
    EXPECT_TRUE(reader.AtEndOfFile());
    return lines;
}

struct LineCase {
    const char* name;
    std::string data;
    std::vector<std::string> lines;
};

const std::vector<LineCase> lineCases = {
    {"crlf", "a\r\nb\r\n", {"a", "b"}},
    {"last line without line end", "a\r\nb", {"a", "b"}},
    {"lone cr ends a line", "a\rb\r", {"a", "b"}},
    {"cr cr lf is an end and an empty line", "a\r\r\nb", {"a", "", "b"}},
    {"lone lf stays in the line", "a\nb\r\nc", {"a\nb", "c"}},
    {"lf lf after cr: only one belongs to the end", "a\r\n\nb", {"a", "\nb"}},
    {"trailing empty line counts", "a\r\n\r\n", {"a", ""}},
    {"empty file", "", {}},
    {"only a line end", "\r\n", {""}},
    {"ctrl-z ends the file", "a\r\nb\x1A\r\nc\r\n", {"a", "b"}},
    {"ctrl-z at the start", "\x1A" "a\r\n", {}},
    {"ctrl-z right after a line end", "a\r\n\x1A" "b", {"a"}},
    {"nul bytes are ordinary", std::string("a\0b\r\n", 5), {std::string("a\0b", 3)}},
};

TEST(LineReader, SplitsLinesAtEveryBufferBoundary)
{
    for (const LineCase& c : lineCases) {
        for (size_t chunk : {1, 2, 3, 1000}) {
            for (size_t bufferSize : {1, 2, 7, 65536}) {
                EXPECT_EQ(LinesOf(c.data, chunk, bufferSize), c.lines)
                    << c.name << ", chunk " << chunk << ", buffer " << bufferSize;
            }
        }
    }
}

TEST(LineReader, EndOfFileIsFalseWhileAnEmptyLineFollows)
{
    StringSource source("a\r\n\r\n");
    LineReader reader(source);
    EXPECT_FALSE(reader.AtEndOfFile());
    EXPECT_EQ(reader.ReadLine(), "a");
    EXPECT_FALSE(reader.AtEndOfFile());
    EXPECT_EQ(reader.ReadLine(), "");
    EXPECT_TRUE(reader.AtEndOfFile());
}

TEST(LineReader, ReadsLongLinesWholeThroughTheBuffer)
{
    for (size_t length : {255, 256, 260, 261, 65535, 65536, 65537, 300000}) {
        std::string line(length, 'x');
        line[length / 2] = '\n';
        StringSource source(line + "\r\nnext");
        LineReader reader(source);
        EXPECT_EQ(reader.ReadLine(), line) << length;
        EXPECT_EQ(reader.ReadLine(), "next") << length;
        // One read per buffer and one more that finds the end, never one per byte.
        EXPECT_LE(source.Reads(), (length + 6) / LineReader::DefaultBufferSize + 2) << length;
    }
}

TEST(LineReader, AsksNoMoreOnceTheDataHasEnded)
{
    StringSource source("a");
    LineReader reader(source);
    EXPECT_EQ(reader.ReadLine(), "a");
    for (int i = 0; i < 3; ++i) {
        EXPECT_TRUE(reader.AtEndOfFile());
        EXPECT_EQ(reader.ReadLine(), "");
    }
    EXPECT_EQ(source.Reads(), 2u);
}

}  // namespace
