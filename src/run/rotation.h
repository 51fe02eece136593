// The rotation run: one pass over the four settings, in a fixed order.
#pragma once

#include "lists/candidate_lists.h"

#include <cstdint>
#include <string>

// The run's program-wide working values; each setting's step overwrites them in turn.
extern std::string WindowsDir;
extern std::string SystemDir;
extern std::string CurrentSetting;
extern int32_t ChosenIndex;
extern std::string CandidatePath;

// The entry point and the whole run. Ends the process: exit code 0 after a complete run, 1
// through the failure report.
[[noreturn]] void RunRotation();

// Draws an entry of the list (count 1..5) whose composition, prefix + entry, differs from
// CurrentSetting in more than letter case, leaving it in ChosenIndex and CandidatePath. Where no
// entry differs, as with a single entry, the first draw is the choice.
void ChooseCandidate(const CandidateList& list, const std::string& prefix);

// Whether a draw of the entry at index stands by that rule: its composition differs from
// CurrentSetting, or no entry's does.
bool IsChoosable(const CandidateList& list, const std::string& prefix, int32_t index);

// Whether the texts are equal once both are upper-cased by the code page's rules.
bool SamePathText(const std::string& first, const std::string& second);

// Seeds the random source from the UTC time of day.
void SeedRandom();

// An integer 0..n-1, every value equally likely.
int32_t RandomBelow(int32_t n);
