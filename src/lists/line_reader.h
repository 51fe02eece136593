// Lines of the list file: a line ends at CR, with one LF directly after it belonging to the line
// end; a lone LF is an ordinary byte; Ctrl-Z or the end of the data ends the file for good.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

class ByteSource {
public:
    virtual ~ByteSource() = default;
    // Up to capacity bytes into buffer; 0 only at the end of the data.
    virtual size_t ReadBytes(char* buffer, size_t capacity) = 0;
};

class LineReader {
public:
    static constexpr size_t DefaultBufferSize = 64 * 1024;

    explicit LineReader(ByteSource& source, size_t bufferSize = DefaultBufferSize);

    // The next line without its line end; the empty string once the file has ended.
    std::string ReadLine();

    // Passes over the next line as ReadLine would, keeping nothing of it, so that a line the
    // format ignores costs no memory however long it is.
    void SkipLine();

    // True when the next byte is Ctrl-Z or no byte is left. May read ahead.
    bool AtEndOfFile();

private:
    // Passes over the next line and its line end, appending the line to line unless null. A line
    // longer than the buffer grows the string by doubling, so that the working set stays within
    // twice the line's length: of a doubled block only the part written to is ever touched.
    void PassLine(std::string* line);

    // False at the end of the data; the source is not asked again after that.
    bool Refill();

    ByteSource& source_;
    std::vector<char> buffer_;
    size_t position_ = 0;
    size_t end_ = 0;
    bool endOfData_ = false;
};
