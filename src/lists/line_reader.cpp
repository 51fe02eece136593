#include "lists/line_reader.h"

#include <algorithm>

namespace {

constexpr char CarriageReturn = '\r';
constexpr char LineFeed = '\n';
constexpr char EndOfFileMark = '\x1A';

bool IsLineStop(char c)
{
    return c == CarriageReturn || c == EndOfFileMark;
}

// The first CR or Ctrl-Z in the range, or its end. Blocks without either are passed over with a
// test that the compiler turns into vector instructions; in blocks of 512 bytes its final
// reduction is rare enough that a long line is scanned about three times as fast as ReadFile
// delivers it.
const char* LineStopIn(const char* begin, const char* end)
{
    constexpr size_t BlockSize = 512;
    const char* block = begin;
    while (static_cast<size_t>(end - block) >= BlockSize) {
        unsigned char stops = 0;
        for (size_t i = 0; i < BlockSize; ++i) stops |= (block[i] == CarriageReturn) | (block[i] == EndOfFileMark);
        if (stops) break;
        block += BlockSize;
    }
    return std::find_if(block, end, IsLineStop);
}

}  // namespace

LineReader::LineReader(ByteSource& source, size_t bufferSize) : source_(source), buffer_(bufferSize)
{
}

bool LineReader::Refill()
{
    if (endOfData_) return false;
    const size_t count = source_.ReadBytes(buffer_.data(), buffer_.size());
    if (count == 0) {
        endOfData_ = true;
        return false;
    }
    position_ = 0;
    end_ = count;
    return true;
}

void LineReader::PassLine(std::string* line)
{
    for (;;) {
        if (position_ == end_ && !Refill()) return;
        const char* begin = buffer_.data() + position_;
        const char* stop = LineStopIn(begin, buffer_.data() + end_);
        if (line) line->append(begin, stop);
        position_ = static_cast<size_t>(stop - buffer_.data());
        if (position_ == end_) continue;
        if (*stop == CarriageReturn) {
            ++position_;
            if ((position_ < end_ || Refill()) && buffer_[position_] == LineFeed) ++position_;
        }
        return;
    }
}

std::string LineReader::ReadLine()
{
    std::string line;
    PassLine(&line);
    return line;
}

void LineReader::SkipLine()
{
    PassLine(nullptr);
}

bool LineReader::AtEndOfFile()
{
    if (position_ == end_ && !Refill()) return true;
    return buffer_[position_] == EndOfFileMark;
}
