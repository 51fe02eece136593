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
// test that the compiler turns into vector instructions, which keeps a long line's scan well below
// the cost of reading it.
const char* LineStopIn(const char* begin, const char* end)
{
    constexpr size_t BlockSize = 64;
    const char* block = begin;
    while (static_cast<size_t>(end - block) >= BlockSize) {
        unsigned char stops = 0;
        for (size_t i = 0; i < BlockSize; ++i) stops |= (block[i] == CarriageReturn) | (block[i] == EndOfFileMark);
        if (stops) break;
        block += BlockSize;
    }
    return std::find_if(block, end, IsLineStop);
}

// Joins the pieces of a line that spanned several buffer fills. Collecting pieces and joining them
// once keeps the peak near twice the line's length, where growing one string could reach three.
std::string Joined(std::vector<std::string>& pieces)
{
    size_t total = 0;
    for (const std::string& piece : pieces) total += piece.size();
    std::string line;
    line.reserve(total);
    for (std::string& piece : pieces) {
        line += piece;
        std::string().swap(piece);
    }
    return line;
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

void LineReader::PassLine(std::vector<std::string>* pieces)
{
    for (;;) {
        if (position_ == end_ && !Refill()) return;
        const char* begin = buffer_.data() + position_;
        const char* stop = LineStopIn(begin, buffer_.data() + end_);
        if (pieces) pieces->emplace_back(begin, stop);
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
    std::vector<std::string> pieces;
    PassLine(&pieces);
    if (pieces.empty()) return std::string();
    if (pieces.size() == 1) return std::move(pieces.front());
    return Joined(pieces);
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
