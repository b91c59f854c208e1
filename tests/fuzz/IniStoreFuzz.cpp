// Parses any bytes as an INI text, looks values up, writes some and checks that
// the written form reads back to the same sections and lines.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "FuzzSupport.h"
#include "core/store/IniStore.h"

using namespace vb;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::FreshPlatform();
  const std::string text = fuzz::InputText(data, size);
  TIniStore store;
  store.Parse(text);

  for (const TIniStore::Section& section : store.Sections()) {
    for (const std::string& line : section.Lines) {
      std::string key = line.substr(0, line.find('='));
      std::string value;
      if (store.FindValue(section.Name, key, value)) {
        std::int32_t number = 0;
        ParseIniInteger(value, number);
      }
    }
  }
  std::int32_t number = 0;
  ParseIniInteger(text, number);

  TIniStore copy;
  copy.Parse(store.Render());
  if (copy.Sections().size() != store.Sections().size()) std::abort();
  for (std::size_t i = 0; i < copy.Sections().size(); ++i)
    if (copy.Sections()[i].Name != store.Sections()[i].Name || copy.Sections()[i].Lines != store.Sections()[i].Lines)
      std::abort();

  store.SetValue("Main", "Key", "Value");
  std::string value;
  if (!store.FindValue("MAIN", "key", value)) std::abort();
  return 0;
}
