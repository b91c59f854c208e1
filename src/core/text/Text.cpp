#include "core/text/Text.h"

#include <stdexcept>

namespace vb {

std::string ReverseText(const std::string& text) { return std::string(text.rbegin(), text.rend()); }

std::string IntToText(long long value) { return std::to_string(value); }

std::int32_t TextToInt(const std::string& text) {
  const std::invalid_argument error("'" + text + "' is not a valid integer value");
  std::size_t i = 0;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  if (i == text.size()) throw error;
  long long value = 0;
  for (; i < text.size(); ++i) {
    if (text[i] < '0' || text[i] > '9') throw error;
    value = value * 10 + (text[i] - '0');
    if (value > 2147483648LL) throw error;
  }
  if (negative) value = -value;
  if (value > 2147483647LL) throw error;
  return static_cast<std::int32_t>(value);
}

std::string BoolToText(bool value) { return value ? "TRUE" : "FALSE"; }

bool TextToBool(const std::string& text) { return text == "TRUE"; }

}  // namespace vb
