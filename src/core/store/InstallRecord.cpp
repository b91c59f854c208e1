#include "core/store/InstallRecord.h"

#include <algorithm>

#include "core/base/Paths.h"
#include "core/base/PlainRelativePath.h"
#include "core/store/StrictLines.h"

namespace vb {

namespace {

void AddOnce(std::vector<std::string>& list, const std::string& entry) {
  const bool present =
      std::any_of(list.begin(), list.end(), [&](const std::string& e) { return SameTextAscii(e, entry); });
  if (!present) list.push_back(entry);
}

const char* const kYes = "yes";

}  // namespace

void InstallRecord::AddFile(const std::string& path) { AddOnce(Files, path); }
void InstallRecord::AddMadeFolder(const std::string& path) { AddOnce(MadeFolders, path); }
void InstallRecord::AddMenuLink(const std::string& name) { AddOnce(MenuLinks, name); }

void InstallRecord::MergeEarlier(const InstallRecord& earlier) {
  MadeInstallationFolder = MadeInstallationFolder || earlier.MadeInstallationFolder;
  for (const std::string& folder : earlier.MadeFolders) AddMadeFolder(folder);
  for (const std::string& file : earlier.Files) AddFile(file);
  // Links and the entry are made again by every installation under the same
  // names; a menu folder made by the first one is still that one's to remove.
  if (SameTextAscii(MenuFolder, earlier.MenuFolder)) MadeMenuFolder = MadeMenuFolder || earlier.MadeMenuFolder;
}

std::string FormatInstallRecord(const InstallRecord& record) {
  std::string text = std::string(kInstallRecordHeader) + "\r\n";
  auto line = [&](const char* key, const std::string& value) { text += std::string(key) + "=" + value + "\r\n"; };
  if (record.MadeInstallationFolder) line("MadeInstallationFolder", kYes);
  for (const std::string& folder : record.MadeFolders) line("MadeFolder", folder);
  for (const std::string& file : record.Files) line("File", file);
  if (!record.MenuFolder.empty()) {
    line("MenuFolder", record.MenuFolder);
    if (record.MadeMenuFolder) line("MadeMenuFolder", kYes);
    for (const std::string& link : record.MenuLinks) line("MenuLink", link);
  }
  if (!record.DesktopLink.empty()) line("DesktopLink", record.DesktopLink);
  if (!record.UninstallEntry.empty()) line("UninstallEntry", record.UninstallEntry);
  return text;
}

ParsedInstallRecord ParseInstallRecord(const std::string& text) {
  ParsedInstallRecord parsed;
  InstallRecord& record = parsed.Record;
  std::vector<std::string>& problems = parsed.Problems;
  std::size_t entries = 0;
  SeenNames seenFolders, seenFiles, seenLinks;
  bool madeMenuFolder = false;
  std::vector<std::string> menuLinks;

  parsed.Valid = ReadStrictLines(
      text, kInstallRecordHeader, kMaxInstallRecordSize, kMaxInstallRecordLine, problems,
      [&](std::size_t number, std::string_view line) {
        auto problem = [&](const char* reason) { problems.push_back(LineProblem(number, line, reason)); };
        const std::size_t equals = line.find('=');
        if (equals == std::string_view::npos) return problem("not an entry");
        const std::string key(line.substr(0, equals)), value(line.substr(equals + 1));
        auto single = [&](std::string& field, bool valid) {
          if (!valid) return problem("not a plain name");
          if (!field.empty()) return problem("repeated entry");
          field = value;
        };
        auto flag = [&](bool& field) {
          if (value != kYes) return problem("not \"yes\"");
          field = true;
        };
        auto path = [&](std::vector<std::string>& list, SeenNames& seen) {
          if (!IsPlainRelativePath(value)) return problem("not a plain path inside the installation folder");
          if (entries >= kMaxInstallRecordEntries) return problem("too many entries");
          if (!seen.Insert(value)) return problem("repeated entry");
          ++entries;
          list.push_back(value);
        };
        if (key == "MadeInstallationFolder") return flag(record.MadeInstallationFolder);
        if (key == "MadeFolder") return path(record.MadeFolders, seenFolders);
        if (key == "File") return path(record.Files, seenFiles);
        if (key == "MenuFolder") return single(record.MenuFolder, IsPlainName(value));
        if (key == "MadeMenuFolder") return flag(madeMenuFolder);
        if (key == "DesktopLink") return single(record.DesktopLink, IsPlainName(value) && IsLinkFileName(value));
        if (key == "UninstallEntry") return single(record.UninstallEntry, IsPlainName(value));
        if (key == "MenuLink") {
          if (!IsPlainName(value) || !IsLinkFileName(value)) return problem("not the name of a link");
          if (menuLinks.size() >= kMaxMenuLinks) return problem("more links than the installer makes");
          if (!seenLinks.Insert(value)) return problem("repeated entry");
          menuLinks.push_back(value);
          return;
        }
        problem("unknown entry");
      });
  if (!parsed.Valid) parsed.Record = InstallRecord();
  // Links and the made flag belong to a menu folder; without one they name nothing.
  if (!record.MenuFolder.empty()) {
    record.MadeMenuFolder = madeMenuFolder;
    record.MenuLinks = menuLinks;
  } else if (parsed.Valid && (madeMenuFolder || !menuLinks.empty())) {
    problems.push_back("menu entries ignored: the record names no menu folder");
  }
  return parsed;
}

}  // namespace vb
