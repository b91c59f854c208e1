#include "core/game/GameTexts.h"

#include "core/base/ProgramIdentity.h"
#include "core/text/Text.h"

namespace vb {

std::string LetterChangesText(std::int32_t letterChangesCount) {
  return "Available letter changes " + IntToText(letterChangesCount < 0 ? 0 : letterChangesCount);
}

std::string ScoreText(std::int32_t score, std::int32_t possibleScore) {
  std::string text = "Score " + IntToText(score);
  if (possibleScore > 0) text += "; possible score now " + IntToText(possibleScore);
  return text;
}

std::string LetterScoreText(std::int32_t letterScore) { return "Letter score " + IntToText(letterScore); }

std::string ValidWordText(const std::string& word, bool inWordsList) {
  return (inWordsList ? "Last word is in the words list: \"" : "Last word was NOT in the words list: \"") + word +
         "\"";
}

std::string TitleText(const std::string& fileName) {
  const std::string caption = kProgramName;
  return fileName.empty() ? caption : caption + " - " + fileName;
}

}  // namespace vb
