#pragma once
// Small text helpers shared by the whole program.
#include <cstdint>
#include <string>

namespace vb {

// The same characters in reverse order.
std::string ReverseText(const std::string& text);
// Decimal form of an integer.
std::string IntToText(long long value);
// Parses a whole text as a 32-bit signed decimal integer (optional sign, digits
// only). Throws std::invalid_argument with a message naming the text otherwise.
std::int32_t TextToInt(const std::string& text);
// "TRUE" / "FALSE", and back (only exactly "TRUE" is true).
std::string BoolToText(bool value);
bool TextToBool(const std::string& text);

}  // namespace vb
