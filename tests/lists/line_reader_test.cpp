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

// Skipping every other line leaves the reader where reading it would have.
TEST(LineReader, SkipsTheLinesThatItWouldRead)
{
    for (const LineCase& c : lineCases) {
        for (size_t bufferSize : {1, 2, 7, 65536}) {
            StringSource source(c.data, 2);
            LineReader reader(source, bufferSize);
            std::vector<std::string> kept;
            for (size_t line = 0; !reader.AtEndOfFile(); ++line) {
                if (line % 2) {
                    kept.push_back(reader.ReadLine());
                } else {
                    reader.SkipLine();
                }
            }
            reader.SkipLine();
            EXPECT_TRUE(reader.AtEndOfFile());
            std::vector<std::string> expected;
            for (size_t line = 1; line < c.lines.size(); line += 2) expected.push_back(c.lines[line]);
            EXPECT_EQ(kept, expected) << c.name << ", buffer " << bufferSize;
        }
    }
}

// The scan passes over whole blocks of bytes at a time: a line end or Ctrl-Z must be found at any
// place in or after a block, among bytes that differ from them by one bit. The lengths span
// several of the scan's blocks.
TEST(LineReader, FindsTheLineEndAtEveryPlaceInALongLine)
{
    const std::string nearMisses = "\x0C\x0E\x0F\x8D\x19\x1B\x3A\x9A";
    for (size_t length = 1; length < 1600; ++length) {
        std::string line;
        for (size_t i = 0; i < length; ++i) line += nearMisses[i % nearMisses.size()];
        EXPECT_EQ(LinesOf(line + "\rnext", 1 << 20, 65536), (std::vector<std::string>{line, "next"})) << length;
        EXPECT_EQ(LinesOf(line + "\x1Anext", 1 << 20, 65536), (std::vector<std::string>{line})) << length;
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
        StringSource source(line + "\r\nnext\r\n" + line + "\rlast");
        LineReader reader(source);
        EXPECT_EQ(reader.ReadLine(), line) << length;
        EXPECT_EQ(reader.ReadLine(), "next") << length;
        reader.SkipLine();
        EXPECT_EQ(reader.ReadLine(), "last") << length;
        // One read per buffer and one more that finds the end, never one per byte.
        EXPECT_LE(source.Reads(), (2 * length + 16) / LineReader::DefaultBufferSize + 2) << length;
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
