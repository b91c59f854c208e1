#include "core/text/Cp1252.h"

namespace vb {

unsigned char UpperCp1252(unsigned char c) {
  if (c >= 'a' && c <= 'z') return static_cast<unsigned char>(c - 32);
  if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return static_cast<unsigned char>(c - 32);
  switch (c) {
    case 0x9A: return 0x8A;  // s caron
    case 0x9C: return 0x8C;  // oe
    case 0x9E: return 0x8E;  // z caron
    case 0xFF: return 0x9F;  // y diaeresis
    default: return c;
  }
}

std::string UpperCp1252(const std::string& text) {
  std::string result = text;
  for (char& c : result) c = static_cast<char>(UpperCp1252(static_cast<unsigned char>(c)));
  return result;
}

}  // namespace vb
