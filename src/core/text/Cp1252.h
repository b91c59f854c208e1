#pragma once
// Letter case in the Western code page (1252), for the portable build and for
// places that need a locale-independent answer.
#include <string>

namespace vb {

unsigned char UpperCp1252(unsigned char c);
std::string UpperCp1252(const std::string& text);

}  // namespace vb
