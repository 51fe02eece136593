// A list file held in memory, delivered in chunks of a chosen size so that line ends and Ctrl-Z
// can be made to fall on a buffer boundary.
#pragma once

#include "lists/line_reader.h"

#include <algorithm>
#include <cstring>
#include <string>

class StringSource : public ByteSource {
public:
    explicit StringSource(std::string data, size_t chunk = 1 << 20) : data_(std::move(data)), chunk_(chunk) {}

    size_t ReadBytes(char* buffer, size_t capacity) override
    {
        ++reads_;
        const size_t count = std::min({capacity, chunk_, data_.size() - offset_});
        std::memcpy(buffer, data_.data() + offset_, count);
        offset_ += count;
        return count;
    }

    size_t Reads() const { return reads_; }

private:
    std::string data_;
    size_t chunk_;
    size_t offset_ = 0;
    size_t reads_ = 0;
};
