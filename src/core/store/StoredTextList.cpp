#include "core/store/StoredTextList.h"

#include <utility>

#include "core/errors/MessageBoxes.h"
#include "core/base/Paths.h"
#include "core/base/Platform.h"
#include "core/store/SafeFileWrite.h"
#include "core/errors/StatusFrame.h"
#include "core/text/Text.h"

namespace vb {

namespace {
constexpr std::uint32_t kDirectoryAttribute = 0x10;

// Runs an owner's handler; true when it left a failure for the frame to adopt.
template <class Handler>
bool RunHandler(StatusFrame& frame, Handler& handler, TStoredTextList& list) {
  if (!handler) return false;
  GlobalFunStat.Clear(StatusPerfect);
  handler(list);
  return frame.Adopt();
}
}  // namespace

std::unique_ptr<TIniStore> ReadIniStore(const std::string& path) {
  auto store = std::make_unique<TIniStore>();
  Platform& platform = GetPlatform();
  if (!PathExists(path)) return store;
  std::uint32_t attributes = platform.FileAttributes(path);
  if (attributes != 0xFFFFFFFFu && (attributes & kDirectoryAttribute)) return store;
  std::string content;
  platform.SetLastError(0);
  if (!platform.ReadFileBytes(path, content)) return nullptr;
  store->Parse(content);
  return store;
}

TStoredTextList::TStoredTextList(std::string fileName) : FileName(std::move(fileName)) {}

bool TStoredTextList::Load() {
  bool loaded = false;
  Loading = true;
  StatusFrame frame(VB_HERE, "TStoredTextList::Load", "Failed to load file.");
  frame.Run([&] {
    // The steps run in their own frame so that OnLoadFailed is called before
    // the failure is shown.
    StatusFrame steps(VB_HERE, "TStoredTextList::Load");
    steps.Run([&] {
      store_.reset();
      std::unique_ptr<TIniStore> store = ReadIniStore(FileName);
      if (!store)
        return steps.Raise(__LINE__, "Cannot read the file.", FileName, "", GetPlatform().GetLastError());
      store_ = std::move(store);
      if (RunHandler(steps, OnLoad, *this)) return;
      Changed = false;
      loaded = true;
    }, __LINE__);
    if (frame.Adopt() && OnLoadFailed) OnLoadFailed();
  }, __LINE__);
  Loading = false;
  return loaded;
}

bool TStoredTextList::LoadFrom(const std::string& path) {
  FileName = path;
  return Load();
}

bool TStoredTextList::Save(bool ask) {
  bool saved = false;
  StatusFrame frame(VB_HERE, "TStoredTextList::Save", "Failed to save file.");
  frame.Run([&] {
    if (ask && !MayOverwrite(FileName)) return;
    if (RunHandler(frame, OnSave, *this)) return;
    ClearReadOnly(FileName);
    if (!ReplaceFileContent(FileName, RequireStore().Render())) {
      frame.Adopt();
      return;
    }
    Changed = false;
    saved = true;
  }, __LINE__);
  return saved;
}

bool TStoredTextList::MayOverwrite(const std::string& path) {
  return !PathExists(path) || AskYesNo("File \"" + path + "\"already exists.\nOverwrite it?");
}

bool TStoredTextList::SaveAs(const std::string& path, bool ask) {
  FileName = path;
  if (!store_) {
    store_ = ReadIniStore(path);
    // An unreadable old file only means there is nothing to keep from it.
    if (!store_) store_ = std::make_unique<TIniStore>();
  }
  return Save(ask);
}

void TStoredTextList::Clear() {
  if (store_) store_->Clear();
}

const TIniStore& TStoredTextList::RequireStore() const {
  if (!store_) VB_THROW("The stored text list has no content: " + FileName);
  return *store_;
}

TIniStore& TStoredTextList::RequireStore() {
  if (!store_) VB_THROW("The stored text list has no content: " + FileName);
  return *store_;
}

void TStoredTextList::ReadText(const std::string& section, const std::string& key, bool acceptEmpty,
                               std::string& place, int maximumLength) const {
  std::string value = place;
  RequireStore().FindValue(section, key, value);
  if ((acceptEmpty || !value.empty()) && maximumLength >= 0 &&
      value.size() <= static_cast<std::size_t>(maximumLength))
    place = std::move(value);
}

void TStoredTextList::ReadLetter(const std::string& section, const std::string& key, unsigned char& place) const {
  std::string value = place ? std::string(1, static_cast<char>(place)) : std::string();
  RequireStore().FindValue(section, key, value);
  if (value.size() == 1) place = static_cast<unsigned char>(value[0]);
}

void TStoredTextList::ReadBool(const std::string& section, const std::string& key, bool& place) const {
  std::string value = BoolToText(place);
  RequireStore().FindValue(section, key, value);
  place = TextToBool(value);
}

void TStoredTextList::ReadInteger(const std::string& section, const std::string& key, std::int32_t& place,
                                  std::int32_t maximum, std::int32_t minimum) const {
  std::string text;
  std::int32_t value = place;
  if (RequireStore().FindValue(section, key, text) && !ParseIniInteger(text, value)) value = place;
  if (minimum <= value && value <= maximum) place = value;
}

void TStoredTextList::WriteText(const std::string& section, const std::string& key, const std::string& value) {
  Changed = true;
  RequireStore().SetValue(section, key, value);
}

void TStoredTextList::WriteLetter(const std::string& section, const std::string& key, unsigned char letter) {
  WriteText(section, key, letter ? std::string(1, static_cast<char>(letter)) : std::string());
}

void TStoredTextList::WriteBool(const std::string& section, const std::string& key, bool value) {
  WriteText(section, key, BoolToText(value));
}

void TStoredTextList::WriteInteger(const std::string& section, const std::string& key, std::int32_t value) {
  WriteText(section, key, IntToText(value));
}

}  // namespace vb
