// Reads any bytes as the view settings file: the reader never fails other than
// by calling the file damaged, a zoom it reads is in range, and what it reads
// writes and reads back the same.
#include <cstdint>
#include <string>

#include "FuzzSupport.h"
#include "core/files/ViewSettings.h"

using namespace vb;
using fuzz::Check;

namespace {

void CheckSettings(const std::string& text) {
  const TViewSettingsRead read = ParseViewSettings(text);
  Check(read.State == TViewSettingsState::Read || read.State == TViewSettingsState::Damaged);
  Check(read.Settings.BoardZoom >= kMinBoardZoom && read.Settings.BoardZoom <= kMaxBoardZoom);
  if (read.State == TViewSettingsState::Damaged) return Check(read.Settings == TViewSettings());
  const TViewSettingsRead again = ParseViewSettings(FormatViewSettings(read.Settings));
  Check(again.State == TViewSettingsState::Read && again.Settings == read.Settings);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::MemoryPlatform& platform = fuzz::FreshPlatform();
  const std::string input = fuzz::InputText(data, size);
  // The input as it is, and after the section head, so the fuzzer need not find it.
  CheckSettings(input);
  CheckSettings("[Board]\r\n" + input);

  const std::string path = "C:\\Vorbelle\\VorbelleSettings.ini";
  platform.Files[path] = input;
  const TViewSettingsRead read = ReadViewSettingsFile(path);
  Check(read.State == TViewSettingsState::Read || read.State == TViewSettingsState::Damaged);
  Check(WriteViewSettingsFile(path, read.Settings) && ReadViewSettingsFile(path).Settings == read.Settings);
  return 0;
}
