#include "platform/text.h"
#include "run/rotation.h"

bool SamePathText(const std::string& first, const std::string& second)
{
    // Upper-casing keeps the byte length, so texts of different lengths never match.
    return first.size() == second.size() && UpperCased(first) == UpperCased(second);
}

void ChooseCandidate(const CandidateList& list, const std::string& prefix)
{
    const int32_t count = list.count;
    bool someEntryDiffers = false;
    for (int32_t i = 0; i < count && !someEntryDiffers; ++i) {
        someEntryDiffers = !SamePathText(CurrentSetting, prefix + list[i]);
    }
    // Drawing again while the draw names the current value needs an entry that does not, or the
    // run would never end.
    const bool drawAgainOnCurrent = count >= 2 && someEntryDiffers;
    do {
        ChosenIndex = RandomBelow(count);
        CandidatePath = prefix + list[ChosenIndex];
    } while (drawAgainOnCurrent && SamePathText(CurrentSetting, CandidatePath));
}
