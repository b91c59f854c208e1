#include "app/InstallRecordFile.h"

#include <windows.h>

#include "core/store/ErrorLog.h"
#include "core/base/Paths.h"
#include "core/base/ProgramPaths.h"
#include "core/base/Platform.h"
#include "core/store/SafeFileWrite.h"

namespace vb {

namespace {

enum class SmallFile { Missing, TooLarge, Unreadable, Read };

// Reads a file of at most `limit` bytes without loading a larger one.
SmallFile ReadSmallFile(const std::string& path, std::size_t limit, std::string& content) {
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (!::GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) return SmallFile::Missing;
  if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) return SmallFile::Unreadable;
  if (data.nFileSizeHigh != 0 || data.nFileSizeLow > limit) return SmallFile::TooLarge;
  return GetPlatform().ReadFileBytes(path, content) ? SmallFile::Read : SmallFile::Unreadable;
}

void AddProblems(const std::string& path, const std::vector<std::string>& found, std::vector<std::string>& problems) {
  for (const std::string& problem : found) problems.push_back(path + ": " + problem);
}

}  // namespace

RecordFile ReadInstallRecordFile(const std::string& folder, InstallRecord& record,
                                 std::vector<std::string>& problems) {
  record = InstallRecord();
  const std::string path = AddPathDelimiter(folder) + kInstallRecordName;
  std::string text;
  switch (ReadSmallFile(path, kMaxInstallRecordSize, text)) {
    case SmallFile::Missing:
      return RecordFile::Missing;
    case SmallFile::TooLarge:
      problems.push_back(path + ": larger than " + std::to_string(kMaxInstallRecordSize) + " bytes, not read");
      return RecordFile::Invalid;
    case SmallFile::Unreadable:
      problems.push_back(path + ": cannot be read");
      return RecordFile::Invalid;
    case SmallFile::Read:
      break;
  }
  ParsedInstallRecord parsed = ParseInstallRecord(text);
  AddProblems(path, parsed.Problems, problems);
  if (!parsed.Valid) return RecordFile::Invalid;
  record = std::move(parsed.Record);
  return RecordFile::Read;
}

bool WriteInstallRecordFile(const std::string& folder, const InstallRecord& record) {
  return ReplaceFileContent(AddPathDelimiter(folder) + kInstallRecordName, FormatInstallRecord(record));
}

bool ReadDistributionListFile(const std::string& folder, ParsedDistributionList& list,
                              std::vector<std::string>& problems) {
  list = ParsedDistributionList();
  const std::string path = AddPathDelimiter(folder) + kDistributionListName;
  std::string text;
  if (ReadSmallFile(path, kMaxDistributionListSize, text) != SmallFile::Read) return false;
  list = ParseDistributionList(text);
  AddProblems(path, list.Problems, problems);
  return list.Valid;
}

bool ReportToErrorLog(const std::string& folder, const std::string& what, const std::vector<std::string>& problems) {
  if (problems.empty()) return false;
  std::string text = what;
  for (const std::string& problem : problems) text += "\r\n" + problem;
  return AppendToLogFile(AddPathDelimiter(folder) + kErrorLogName, text);
}

}  // namespace vb
