// Reads any bytes as the records file: the reader never fails other than by
// calling the file damaged, what it reads keeps the rules the game's events
// keep, and writing what was read and reading it again gives it back.
#include <cstdint>
#include <string>

#include "FuzzSupport.h"
#include "core/records/RecordsFile.h"

using namespace vb;
using fuzz::Check;

namespace {

void CheckRecords(const std::string& text) {
  const TRecordsReadResult read = ParseRecords(text);
  Check(read.State == TRecordsFileState::Read || read.State == TRecordsFileState::Damaged);
  if (read.State == TRecordsFileState::Damaged) return Check(read.Records.Entries().empty() && !read.Problem.empty());
  Check(read.Records.Entries().size() <= kMaxRecordKeys);
  for (const TRecords::Entry& entry : read.Records.Entries())
    Check(entry.Key.IsValid() && RecordsProblem(entry.Records).empty());
  const TRecordsReadResult again = ParseRecords(FormatRecords(read.Records));
  Check(again.State == TRecordsFileState::Read && again.Records == read.Records);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::MemoryPlatform& platform = fuzz::FreshPlatform();
  const std::string input = fuzz::InputText(data, size);
  // The input as it is, and after a valid head, so the fuzzer need not find it.
  CheckRecords(input);
  CheckRecords("[Records]\r\nVersion=1\r\n" + input);

  // Through the file: a damaged one is kept aside and a fresh one starts.
  const std::string path = "C:\\Vorbelle\\VorbelleStats.ini";
  platform.Files[path] = input;
  const TRecordsReadResult read = ReadRecordsFile(path);
  if (read.State == TRecordsFileState::Damaged) {
    Check(KeepDamagedRecordsFile(path) && platform.Files.at("C:\\Vorbelle\\VorbelleStats.bad") == input);
    Check(ReadRecordsFile(path).State == TRecordsFileState::Missing);
  }
  Check(WriteRecordsFile(path, read.Records) && ReadRecordsFile(path).Records == read.Records);
  return 0;
}
