#pragma once
// What the game tells the window that shows it. Every notification is optional
// (the defaults do nothing); the window reads the new state from TGame.
#include <string>

#include "core/LetterStatistics.h"

namespace vb {

// The labels whose texts the game produces.
enum class TGameLabel { WordsInDictionary, ValidWord, Score, LetterScore, LetterChanges };
constexpr int GameLabelsCount = 5;

class TGameView {
 public:
  virtual ~TGameView() = default;

  // One board cell changed: repaint it.
  virtual void CellChanged(int /*column*/, int /*row*/) {}
  // The whole board changed (new game, load): invalidate it.
  virtual void BoardChanged() {}
  // BoardVisible became true: show the board.
  virtual void BoardShown() {}
  // Stock slot 0..6 changed: show Stock.Letter(slot) on its panel.
  virtual void StockSlotChanged(int /*slot*/) {}
  // TGame::Label(label) has a new text.
  virtual void LabelChanged(TGameLabel /*label*/) {}
  // PutButtonsEnabled may have changed (both put buttons).
  virtual void PutButtonsChanged() {}
  // NewStockLettersEnabled may have changed.
  virtual void NewStockLettersButtonChanged() {}
  // Title has a new text.
  virtual void TitleChanged() {}
  // The board size may have changed: recompute the cell size.
  virtual void ComputeCellSize() {}
  // Settings were read from a file: show AddToWordsList, AllowUnknownWords and
  // FullScreen in their check boxes (applying the layout), give the dialogs
  // their file names (dictionary path, LastGameFileName).
  virtual void SettingsChanged() {}
  // Show the dictionary's display name and words list name.
  virtual void DictionaryNamesChanged() {}
  // The font of the stock panels and the board.
  virtual void FontChanged(const std::string& /*fontName*/) {}
  // The letters and font of the choose-letter tiles.
  virtual void LettersChanged(const std::string& /*fontName*/, const TAlphabet& /*alphabet*/) {}
};

}  // namespace vb
