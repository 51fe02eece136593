#include "platform/lead_bytes.h"

#include <cstring>

LeadByteTable ShiftJisLeadBytes()
{
    LeadByteTable table;
    table.doubleByteEnabled = true;
    for (int b = 0x81; b <= 0x9F; ++b) table.isLead[b] = true;
    for (int b = 0xE0; b <= 0xFC; ++b) table.isLead[b] = true;
    return table;
}

bool IsTrailByteIn(const LeadByteTable& table, const std::string& text, size_t position)
{
    if (!table.doubleByteEnabled || position >= text.size() || text[position] == '\0') return false;
    size_t leadRun = 0;
    while (leadRun < position && table.isLead[static_cast<unsigned char>(text[position - leadRun - 1])]) {
        ++leadRun;
    }
    return leadRun % 2 == 1;
}

std::vector<bool> TrailBytesOf(const LeadByteTable& table, const std::string& text)
{
    std::vector<bool> trail(text.size(), false);
    if (!table.doubleByteEnabled) return trail;
    size_t leadRun = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        const unsigned char byte = static_cast<unsigned char>(text[i]);
        trail[i] = byte != 0 && leadRun % 2 == 1;
        leadRun = table.isLead[byte] ? leadRun + 1 : 0;
    }
    return trail;
}

size_t LastDelimiterOf(const LeadByteTable& table, const std::string& text, const char* delimiters)
{
    const std::vector<bool> trail = TrailBytesOf(table, text);
    size_t i = text.size();
    while (i > 0) {
        --i;
        if (trail[i]) {
            --i;  // the lead byte of the same character; a trail byte never stands at 0
        } else if (text[i] != '\0' && std::strchr(delimiters, text[i]) != nullptr) {
            return i;
        }
    }
    return std::string::npos;
}
