#pragma once
// Shared set-up for the game-model tests: boards drawn as text pictures and a
// small usable dictionary written into a temporary program folder.
#include <cctype>
#include <initializer_list>
#include <string>

#include "core/game/Board.h"
#include "core/base/Platform.h"
#include "support/TempFolder.h"

namespace vb::test {

// Rows of a picture from row 0 down: '.' empty, an upper-case letter fixed, a
// lower-case letter loose (placed as its upper case, listed in reading order).
inline void DrawBoard(TBoard& board, std::initializer_list<const char*> rows) {
  int row = 0;
  for (const char* line : rows) {
    for (int column = 0; line[column] != '\0'; ++column) {
      const unsigned char c = static_cast<unsigned char>(line[column]);
      if (c == '.') continue;
      const bool loose = std::islower(c) != 0;
      board.SetCell(column, row, TBoardCell{static_cast<unsigned char>(std::toupper(c)), loose});
      if (loose) board.AddLooseLetter(column, row);
    }
    ++row;
  }
}

// A dictionary "Test.vbd" of the letters A..L (A: probability 1000 .. L: 1;
// scores from the probabilities) with length bonuses n x 10, and its words
// list "Test.txt" holding `words` (one per line). Writes into
// programFolder + "VorbelleDictionaries\".
inline void WriteTestDictionary(const std::string& programFolder, const std::string& words) {
  const std::string folder = programFolder + "VorbelleDictionaries\\";
  std::string text = "[Main]\r\nWordsListName=Test\r\nFontName=Arial\r\n[Alphabet]\r\n";
  const int probabilities[] = {1000, 800, 600, 500, 400, 300, 200, 150, 100, 50, 20, 1};
  for (int i = 0; i < 12; ++i) {
    text += "Char" + std::to_string(i) + "=" + std::string(1, static_cast<char>('A' + i)) + "\r\n";
    text += "Prob" + std::to_string(i) + "=" + std::to_string(probabilities[i]) + "\r\n";
  }
  text += "[LengthScores]\r\n";
  for (int n = 1; n <= 7; ++n) text += std::to_string(n) + "=" + std::to_string(n * 10) + "\r\n";
  GetPlatform().CreateFolder(folder);
  WriteTextFile(folder + "Test.vbd", text);
  WriteTextFile(folder + "Test.txt", words);
}

}  // namespace vb::test
