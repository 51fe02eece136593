#include "lists/line_reader.h"

#include <algorithm>

namespace {

constexpr char CarriageReturn = '\r';
constexpr char LineFeed = '\n';
constexpr char EndOfFileMark = '\x1A';

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

std::string LineReader::ReadLine()
{
    std::vector<std::string> pieces;
    for (;;) {
        if (position_ == end_ && !Refill()) break;
        char* begin = buffer_.data() + position_;
        char* stop = std::find_if(begin, buffer_.data() + end_,
                                        [](char c) { return c == CarriageReturn || c == EndOfFileMark; });
        pieces.emplace_back(begin, stop);
        position_ = static_cast<size_t>(stop - buffer_.data());
        if (position_ == end_) continue;
        if (*stop == CarriageReturn) {
            ++position_;
            if ((position_ < end_ || Refill()) && buffer_[position_] == LineFeed) ++position_;
        }
        break;
    }
    if (pieces.size() == 1) return std::move(pieces.front());
    return Joined(pieces);
}

bool LineReader::AtEndOfFile()
{
    if (position_ == end_ && !Refill()) return true;
    return buffer_[position_] == EndOfFileMark;
}
