#include "platform/text.h"

#include "platform/system_calls.h"

namespace {

LeadByteTable ReadSystemLeadBytes()
{
    LeadByteTable table;
    table.doubleByteEnabled = osGetSystemMetrics(SM_DBCSENABLED) != 0;
    CPINFO info;
    if (osGetCPInfo(CP_ACP, &info)) {
        for (int range = 0; range + 1 < MAX_LEADBYTES && info.LeadByte[range] != 0; range += 2) {
            for (int b = info.LeadByte[range]; b <= info.LeadByte[range + 1]; ++b) table.isLead[b] = true;
        }
    }
    return table;
}

}  // namespace

const LeadByteTable& SystemLeadBytes()
{
    // The system call table is filled during static initialisation, so this must not be.
    static const LeadByteTable table = ReadSystemLeadBytes();
    return table;
}

bool IsTrailByte(const std::string& text, size_t position)
{
    return IsTrailByteIn(SystemLeadBytes(), text, position);
}

std::string UpperCased(const std::string& text)
{
    std::string copy = text;
    if (!copy.empty()) osCharUpperBuffA(&copy[0], static_cast<DWORD>(copy.size()));
    return copy;
}
