#pragma once
// The exact texts of the game's labels and window caption.
#include <cstdint>
#include <string>

namespace vb {

// "Available letter changes N" (0 for a negative count).
std::string LetterChangesText(std::int32_t letterChangesCount);
// "Score N", followed by "; possible score now P" when P > 0.
std::string ScoreText(std::int32_t score, std::int32_t possibleScore);
// "Letter score N".
std::string LetterScoreText(std::int32_t letterScore);
// The outcome of a put attempt, the word in double quotes.
std::string ValidWordText(const std::string& word, bool inWordsList);
// "Vorbelle", or "Vorbelle - " followed by the file name when there is one.
std::string TitleText(const std::string& fileName);

}  // namespace vb
