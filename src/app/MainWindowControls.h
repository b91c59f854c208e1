#pragma once
// The controls of the main window, named as in its layout, and their creation
// with captions, hints and fonts. Events are connected by the window; what the
// controls show comes from the game view.
#include <array>

#include "app/MainWindowLayout.h"
#include "core/presenter/GameViewModel.h"
#include "core/game/StockLetters.h"
#include "ui/Button.h"
#include "ui/ComboBox.h"
#include "ui/Edit.h"
#include "ui/Fonts.h"
#include "ui/Form.h"
#include "ui/GroupBox.h"
#include "ui/Label.h"
#include "ui/ListView.h"
#include "ui/PaintBox.h"
#include "ui/Panel.h"

namespace vb {

struct TMainWindowControls {
  // Every control inside `form`, at its design bounds.
  void Create(ui::Form& form);
  // The control that shows a label text of the game.
  ui::Label& LabelFor(TGameLabel label);
  // The stock slot a panel shows, or -1 for any other window.
  int StockSlotOf(const ui::Window& window) const;
  // The letter font of the stock panels (the dictionary's).
  void SetStockLetterFont(const std::string& fontName);
  // The stock letter font again at the layout DPI (after a DPI change).
  void RescaleFonts();

  ui::Panel MenuPanel;
  ui::Button WorkButton, HelpButton, AboutButton, HideButton, CloseButton;
  ui::CheckBox FullScreenCheckBox;
  ui::Panel MainPanel;
  ui::Label ColumnsCountLabel, RowsCountLabel, DictionaryLabel, WordsListLabel, WordsInDictionaryLabel;
  ui::ComboBox ColumnsCountComboBox, RowsCountComboBox;
  ui::Edit DictionaryEdit, WordsListEdit;
  ui::CheckBox AddToWordsListCheckBox;
  ui::Panel LettersPanel;
  ui::GroupBox StockLettersGroupBox;
  std::array<ui::Panel, StockSize> StockLetterPanels;
  ui::Label DragTipLabel;
  ui::Button NewStockLettersButton;
  ui::Label LetterChangesLabel, LetterScoreLabel;
  ui::GroupBox WordGroupBox;
  ui::Button PutWordButton, PutFlippedWordButton;
  ui::Label AcceptWordTipLabel;
  ui::CheckBox AllowUnknownWordsCheckBox;
  ui::Label ValidWordLabel, ScoreLabel;
  ui::GroupBox CoachGroupBox;
  ui::Label CoachBestLabel, CoachComparisonLabel, CoachLegalMovesLabel, CoachHintsLabel;
  ui::GroupBox HistoryGroupBox;
  ui::ListView HistoryList;
  ui::GroupBox BoardGroupBox;
  ui::PaintBox BoardPaintBox;

 private:
  void CreateCommandRow(ui::Form& form);
  void CreateSettings(ui::Form& form);
  void CreateStockAndWord(ui::Form& form);
  void CreateCoach(ui::Form& form);
  void CreateBoard(ui::Form& form);
  ui::FontHandle stockLetterFont_;
  std::string stockLetterFontName_ = layout::StockLetterFontName;
};

}  // namespace vb
