#pragma once
// A program folder for presenter tests: the program path pointed into it and a
// dictionary NAME.vbd of twelve letters (A to L, all drawable) with its words
// list NAME.txt, in VorbelleDictionaries.
#include <string>

#include "support/FakePlatform.h"
#include "support/TempFolder.h"

namespace vb::test {

// `lengthScores`: the [LengthScores] lines, e.g. "2=1\r\n3=5\r\n".
void PrepareSmallDictionary(FakePlatformScope& platform, const TempFolder& folder, const std::string& name,
                            const std::string& words, const std::string& lengthScores = "2=1\r\n3=5\r\n4=9\r\n");

}  // namespace vb::test
