// What the list probe prints, for comparison in tests.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

struct ProbeLine {
    std::string name;
    std::string value;
};

inline ProbeLine Probe(const std::string& name, const std::string& value)
{
    return {name, value};
}

inline std::string ProbeOutput(const std::vector<ProbeLine>& lines)
{
    std::string text;
    for (const ProbeLine& line : lines) {
        text += line.name + " ";
        for (unsigned char byte : line.value) {
            char hex[3];
            std::snprintf(hex, sizeof hex, "%02X", byte);
            text += hex;
        }
        text += "\n";
    }
    return text;
}
