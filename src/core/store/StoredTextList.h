#pragma once
// One INI-style text file bound to an owner's load and save handlers. The owner
// sets OnLoad / OnSave, calls Load / Save, and the handlers use the typed reads
// and writes below (which need a store: after Load or SaveAs).
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "core/store/IniStore.h"

namespace vb {

class TStoredTextList {
 public:
  using LoadFailedHandler = std::function<void()>;
  using ListHandler = std::function<void(TStoredTextList& list)>;

  explicit TStoredTextList(std::string fileName);

  std::string FileName;
  bool Changed = false;  // set by every typed write; cleared by a successful Load or Save
  bool Loading = false;  // set while Load runs
  LoadFailedHandler OnLoadFailed;
  // A handler reports a failure by throwing or by leaving a failed status in
  // GlobalFunStat (a forwarding frame's outcome).
  ListHandler OnLoad;
  ListHandler OnSave;

  // Reporting frame "TStoredTextList::Load", failure text "Failed to load file.".
  bool Load();
  bool LoadFrom(const std::string& path);
  // Reporting frame "TStoredTextList::Save", failure text "Failed to save file.".
  // With `ask`, an existing file is only overwritten after the player says Yes.
  bool Save(bool ask);
  // The overwrite question of Save: true when `path` does not exist yet or the
  // player says Yes to replacing it.
  static bool MayOverwrite(const std::string& path);
  bool SaveAs(const std::string& path, bool ask);
  void Clear();

  bool HasStore() const { return store_ != nullptr; }
  const TIniStore* Store() const { return store_.get(); }

  // Typed reads: the place keeps its value when the key is absent or invalid.
  void ReadText(const std::string& section, const std::string& key, bool acceptEmpty, std::string& place,
                int maximumLength) const;
  void ReadLetter(const std::string& section, const std::string& key, unsigned char& place) const;
  void ReadBool(const std::string& section, const std::string& key, bool& place) const;
  void ReadInteger(const std::string& section, const std::string& key, std::int32_t& place, std::int32_t maximum,
                   std::int32_t minimum) const;

  void WriteText(const std::string& section, const std::string& key, const std::string& value);
  void WriteLetter(const std::string& section, const std::string& key, unsigned char letter);
  void WriteBool(const std::string& section, const std::string& key, bool value);
  void WriteInteger(const std::string& section, const std::string& key, std::int32_t value);

 private:
  const TIniStore& RequireStore() const;
  TIniStore& RequireStore();
  std::unique_ptr<TIniStore> store_;
};

// A store over a file: its content when it is an existing file (not a folder),
// else empty. Null when an existing file cannot be read (last error set).
std::unique_ptr<TIniStore> ReadIniStore(const std::string& path);

}  // namespace vb
