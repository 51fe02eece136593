#include "stores/directory_part.h"

std::string DirectoryPartOf(const std::string& path, const LeadByteTable& leadBytes)
{
    const size_t separator = LastDelimiterOf(leadBytes, path, "\\:");
    if (separator == std::string::npos) return "";
    size_t length = separator + 1;
    if (separator > 0 && path[separator] == '\\') {
        const char before = path[separator - 1];
        const bool beforeIsSeparator =
            (before == ':' || before == '\\') && !IsTrailByteIn(leadBytes, path, separator - 1);
        if (!beforeIsSeparator) length = separator;
    }
    return path.substr(0, length);
}
