// Reads any bytes as an install record and as a distribution file list: every
// entry that is kept must be a plain path or name, and writing what was read
// and reading it again must give it back without a problem.
#include <cstdint>
#include <string>

#include "FuzzSupport.h"
#include "core/store/DistributionList.h"
#include "core/store/InstallRecord.h"
#include "core/base/Paths.h"
#include "core/base/PlainRelativePath.h"

using namespace vb;
using fuzz::Check;

namespace {

bool SameRecord(const InstallRecord& a, const InstallRecord& b) {
  return a.MadeInstallationFolder == b.MadeInstallationFolder && a.MadeFolders == b.MadeFolders &&
         a.Files == b.Files && a.MenuFolder == b.MenuFolder && a.MadeMenuFolder == b.MadeMenuFolder &&
         a.MenuLinks == b.MenuLinks && a.DesktopLink == b.DesktopLink && a.UninstallEntry == b.UninstallEntry;
}

void CheckRecord(const std::string& text) {
  const ParsedInstallRecord parsed = ParseInstallRecord(text);
  const InstallRecord& record = parsed.Record;
  for (const std::string& path : record.MadeFolders) Check(IsPlainRelativePath(path));
  for (const std::string& path : record.Files) Check(IsPlainRelativePath(path));
  Check(record.MadeFolders.size() + record.Files.size() <= kMaxInstallRecordEntries);
  Check(record.MenuFolder.empty() || IsPlainName(record.MenuFolder));
  Check(record.MenuLinks.size() <= kMaxMenuLinks);
  for (const std::string& link : record.MenuLinks) Check(IsPlainName(link) && IsLinkFileName(link));
  Check(record.MenuFolder.empty() ? record.MenuLinks.empty() && !record.MadeMenuFolder : true);
  Check(record.DesktopLink.empty() || (IsPlainName(record.DesktopLink) && IsLinkFileName(record.DesktopLink)));
  Check(record.UninstallEntry.empty() || IsPlainName(record.UninstallEntry));
  if (!parsed.Valid) return;
  const ParsedInstallRecord again = ParseInstallRecord(FormatInstallRecord(record));
  Check(again.Valid && again.Problems.empty() && SameRecord(again.Record, record));
}

void CheckList(const std::string& text) {
  const ParsedDistributionList parsed = ParseDistributionList(text);
  for (const std::string& path : parsed.Files) Check(IsPlainRelativePath(path));
  if (!parsed.Valid) return Check(parsed.Files.empty());
  const ParsedDistributionList again = ParseDistributionList(FormatDistributionList(parsed.Files));
  Check(again.Valid && again.Problems.empty() && again.Files == parsed.Files);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::FreshPlatform();
  const std::string input = fuzz::InputText(data, size);
  // The input as it is, and after each header, so the fuzzer need not find them.
  CheckRecord(input);
  CheckRecord(std::string(kInstallRecordHeader) + "\r\n" + input);
  CheckList(input);
  CheckList(std::string(kDistributionListHeader) + "\n" + input);
  return 0;
}
