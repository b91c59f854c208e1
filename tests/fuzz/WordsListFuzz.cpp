// Reads any bytes as a words list and checks the index against the scan, the
// written form against the entries, and appending.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "FuzzSupport.h"
#include "core/dictionary/WordsList.h"

using namespace vb;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::MemoryPlatform& platform = fuzz::FreshPlatform();
  const std::string text = fuzz::InputText(data, size);
  TWordsList list;
  list.SetText(text);

  // The scan is quadratic over all entries: check the first ones only.
  const std::size_t checked = list.Count() < 64 ? list.Count() : 64;
  for (std::size_t i = 0; i < checked; ++i) {
    const std::string& entry = list[i];
    if (!list.IsKnownWord(entry)) std::abort();  // an entry always finds itself or an equal one
    for (const std::string& query : {entry + "A", entry.substr(entry.empty() ? 0 : 1), platform.UpperCase(entry)})
      if (list.IsKnownWord(query) != IsKnownWordByScan(list.Entries(), query)) std::abort();
  }

  TWordsList copy;
  copy.SetText(list.Text());
  if (copy.Entries() != list.Entries()) std::abort();

  list.Append(text.substr(0, 16));
  if (list.IsKnownWord(text.substr(0, 16)) != IsKnownWordByScan(list.Entries(), text.substr(0, 16))) std::abort();
  return 0;
}
