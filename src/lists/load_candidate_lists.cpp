#include "lists/load_candidate_lists.h"

#include "lists/candidate_lists.h"
#include "platform/files.h"
#include "platform/text.h"

namespace {

class ListFileSource : public ByteSource {
public:
    explicit ListFileSource(ReadOnlyFile& file) : file_(file) {}
    size_t ReadBytes(char* buffer, size_t capacity) override { return file_.Read(buffer, capacity); }

private:
    ReadOnlyFile& file_;
};

}  // namespace

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
