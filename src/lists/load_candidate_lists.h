#pragma once

#include "lists/line_reader.h"
#include "platform/files.h"

// The list file's bytes as the line reader takes them.
class ListFileSource : public ByteSource {
public:
    explicit ListFileSource(ReadOnlyFile& file) : file_(file) {}
    size_t ReadBytes(char* buffer, size_t capacity) override { return file_.Read(buffer, capacity); }

private:
    ReadOnlyFile& file_;
};

// Clears the four counts and, when the list file beside the executable exists, fills the lists and
// SoundFolder from it. A missing list file is no failure. I/O failures raise EInOutError.
void LoadCandidateLists();
