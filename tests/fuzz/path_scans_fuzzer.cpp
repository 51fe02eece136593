// The path scans under random lead-byte tables, against a byte-by-byte model built on
// IsTrailByteIn: the delimiter found is the last one that is no trail byte, the list file's path
// and the directory part are prefixes of the path as the rules give them.
#include "lists/candidate_lists.h"
#include "platform/lead_bytes.h"
#include "stores/directory_part.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

void Check(bool condition)
{
    if (!condition) std::abort();
}

// Walks back as a reader of double-byte text does: a trail byte and its lead byte go together.
size_t ModelLastDelimiter(const LeadByteTable& table, const std::string& text, const char* delimiters)
{
    size_t found = std::string::npos;
    for (size_t i = 0; i < text.size(); ++i) {
        if (IsTrailByteIn(table, text, i)) continue;
        const bool leadOfPair = i + 1 < text.size() && IsTrailByteIn(table, text, i + 1);
        if (!leadOfPair && text[i] != '\0' && std::strchr(delimiters, text[i]) != nullptr) found = i;
    }
    return found;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size)
{
    if (size < 33) return 0;
    LeadByteTable table;
    table.doubleByteEnabled = (bytes[0] & 1) != 0;
    for (int b = 0; b < 256; ++b) table.isLead[b] = (bytes[1 + b / 8] >> (b % 8)) & 1;
    const std::string path(reinterpret_cast<const char*>(bytes + 33), size - 33);

    const size_t delimiter = LastDelimiterOf(table, path, ".\\:");
    Check(delimiter == ModelLastDelimiter(table, path, ".\\:"));

    const std::string listFile = ListFilePathOf(path, table);
    const size_t stem = delimiter != std::string::npos && path[delimiter] == '.' ? delimiter : path.size();
    Check(listFile == path.substr(0, stem) + ".DAT");

    const std::string directory = DirectoryPartOf(path, table);
    const size_t separator = ModelLastDelimiter(table, path, "\\:");
    Check(directory.size() <= path.size() && path.compare(0, directory.size(), directory) == 0);
    if (separator == std::string::npos) {
        Check(directory.empty());
    } else {
        Check(directory.size() == separator || directory.size() == separator + 1);
    }
    return 0;
}
