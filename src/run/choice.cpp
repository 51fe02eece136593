#include "platform/text.h"
#include "run/rotation.h"

namespace {

// The entry joined to its prefix in one allocation of the final size: a path built from a long
// line costs its own length once, not the doubling of a growing string.
std::string JoinedPath(const std::string& prefix, const std::string& entry)
{
    std::string path;
    path.reserve(prefix.size() + entry.size());
    path.append(prefix).append(entry);
    return path;
}

// SamePathText(text, prefix + entry), building the joined path only where the lengths allow a match.
bool NamesSamePath(const std::string& text, const std::string& prefix, const std::string& entry)
{
    return text.size() == prefix.size() + entry.size() && SamePathText(text, JoinedPath(prefix, entry));
}

}  // namespace

bool SamePathText(const std::string& first, const std::string& second)
{
    // Upper-casing keeps the byte length, so texts of different lengths never match.
    return first.size() == second.size() && UpperCased(first) == UpperCased(second);
}

bool IsChoosable(const CandidateList& list, const std::string& prefix, int32_t index)
{
    if (!NamesSamePath(CurrentSetting, prefix, list[index])) return true;
    // An entry naming the current value stands only where no entry differs, or the run's draws
    // would never end.
    for (int32_t i = 0; i < list.count; ++i) {
        if (!NamesSamePath(CurrentSetting, prefix, list[i])) return false;
    }
    return true;
}

void ChooseCandidate(const CandidateList& list, const std::string& prefix)
{
    do {
        ChosenIndex = RandomBelow(list.count);
        // The previous step's path goes first, so that two paths built from a long line are
        // never held at once.
        std::string().swap(CandidatePath);
        CandidatePath = JoinedPath(prefix, list[ChosenIndex]);
    } while (!IsChoosable(list, prefix, ChosenIndex));
}
