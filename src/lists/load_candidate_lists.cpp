#include "lists/load_candidate_lists.h"

#include "lists/candidate_lists.h"
#include "platform/text.h"

void LoadCandidateLists()
{
    ClearCandidateCounts();
    const std::string listFilePath = ListFilePathOf(ExecutablePath(), SystemLeadBytes());
    if (!IsExistingFile(listFilePath)) return;
    ReadOnlyFile file(listFilePath);
    ListFileSource source(file);
    LineReader reader(source);
    ReadCandidateLists(reader, SystemLeadBytes());
    file.Close();
}
