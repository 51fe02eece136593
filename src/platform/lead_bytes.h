// Double-byte character rules of an ANSI code page, kept free of Windows so that the path scans
// built on them can be tested and fuzzed natively.
#pragma once

#include <array>
#include <string>
#include <vector>

struct LeadByteTable {
    bool doubleByteEnabled = false;
    std::array<bool, 256> isLead{};
};

// The table of code page 932 (Shift-JIS) with double-byte support on.
LeadByteTable ShiftJisLeadBytes();

// Whether the byte at position is the second byte of a double-byte character: the run of lead
// bytes directly before it has odd length. Never true for a zero byte or without double-byte support.
bool IsTrailByteIn(const LeadByteTable& table, const std::string& text, size_t position);

// IsTrailByteIn for every position of the text, in one pass.
std::vector<bool> TrailBytesOf(const LeadByteTable& table, const std::string& text);

// The position of the last byte that is one of the delimiters and not a trail byte, or npos.
// A trail byte is passed over together with the lead byte ahead of it.
size_t LastDelimiterOf(const LeadByteTable& table, const std::string& text, const char* delimiters);
