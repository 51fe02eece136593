#include "stores/directory_part.h"

#include <gtest/gtest.h>

namespace {

TEST(DirectoryPart, KeepsTheSeparatorOnlyAfterADriveOrRoot)
{
    struct PartCase {
        std::string path;
        std::string single;
        std::string shiftJis;
    };
    const std::vector<PartCase> cases = {
        {"C:\\WINDOWS\\SYSTEM\\X.SCR", "C:\\WINDOWS\\SYSTEM", "C:\\WINDOWS\\SYSTEM"},
        {"C:\\WINDOWS\\", "C:\\WINDOWS", "C:\\WINDOWS"},
        {"C:\\X.SCR", "C:\\", "C:\\"},
        {"C:X.SCR", "C:", "C:"},
        {"\\X.SCR", "\\", "\\"},
        {"X.SCR", "", ""},
        {"", "", ""},
        {"C:", "C:", "C:"},
        {"\\\\server\\share", "\\\\server", "\\\\server"},
        {"\\\\", "\\\\", "\\\\"},
        // 表 is 95 5C: under Shift-JIS its 0x5C does not split the path.
        // Without double-byte support the 0x5C is a backslash, and the one after it stays.
        {"C:\\\x95\x5C\\X.SCR", "C:\\\x95\x5C\\", "C:\\\x95\x5C"},
        {"C:\\a\\\x95\x5C" "X.SCR", "C:\\a\\\x95", "C:\\a"},
        {"C:\\\x95\x5C", "C:\\\x95", "C:\\"},
    };
    for (const PartCase& c : cases) {
        EXPECT_EQ(DirectoryPartOf(c.path, LeadByteTable()), c.single) << c.path;
        EXPECT_EQ(DirectoryPartOf(c.path, ShiftJisLeadBytes()), c.shiftJis) << c.path;
    }
}

}  // namespace
