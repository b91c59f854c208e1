#pragma once
// The words-list analysis: counts by word length and letters against the
// alphabet, as a plain-text report whose last section is in the dictionary's
// key format, copied to the clipboard.
#include <string>

#include "core/dictionary/LetterStatistics.h"

namespace vb {

class TDictionary;

// The report for counts whose LettersWithin is at least 1.
std::string BuildAnalysisReport(const TLetterCounts& counts, const TAlphabet& alphabet);

// The "Analyze words list" command: warns "There is nothing to analyze." for an
// empty list or one without alphabet letters; otherwise copies the report and
// confirms. True when the report was copied.
bool AnalyzeWordsList(const TDictionary& dictionary);

}  // namespace vb
