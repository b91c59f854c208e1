#pragma once
// The choose-letter dialog: the dictionary's alphabet as 8 x 5 letter tiles; a
// click on a tile closes it with that letter, Cancel, Escape and the close box
// with none.
#include <array>
#include <memory>
#include <string>

#include "core/dictionary/LetterStatistics.h"
#include "ui/Button.h"
#include "ui/Form.h"
#include "ui/Label.h"
#include "ui/Panel.h"

namespace vb {

class TChooseLetterForm : public ui::Form {
 public:
  static constexpr int kClientWidth = 500;
  static constexpr int kClientHeight = 400;
  static constexpr int TileColumns = 8;
  static constexpr int TileRows = 5;
  static constexpr int TilesCount = TileColumns * TileRows;

  // Creates the hidden dialog and its fixed controls.
  bool Create();
  // Creates and places the 40 tiles (once, at start-up).
  void BuildLetterPanels();
  // Every tile's font and letter; unused alphabet slots leave blank tiles.
  void SetLetters(const std::string& fontName, const TAlphabet& alphabet);
  // Shows the dialog modally over `owner`; the chosen letter, or 0.
  unsigned char ChooseLetter(HWND owner);
  void LetterPanelMouseDown(int tile);

  ui::Panel MainPanel;
  ui::Panel LettersPanel;
  ui::Label HintLabel;
  ui::Button CancelButton;
  std::array<ui::Panel, TilesCount> Tiles;

 protected:
  void OnRescaled() override;

 private:
  // The tiles fill the letters panel; their letters are half a tile high.
  void PlaceTiles();
  void SetTileFont();
  unsigned char chosenLetter_ = 0;
  std::string tileFontName_ = "Tahoma";
  bool tilesBuilt_ = false;
  ui::FontHandle tileFont_;
};

}  // namespace vb
