#include "app/MainWindowControls.h"

#include <string>
#include <vector>

#include "app/MainWindowLayout.h"
#include "core/game/Board.h"

namespace vb {

namespace {
std::vector<std::string> BoardSizeItems() {
  std::vector<std::string> items;
  for (int size = MinBoardSize; size <= MaxBoardSize; ++size) items.push_back(std::to_string(size));
  return items;
}
}  // namespace

void TMainWindowControls::Create(ui::Form& form) {
  CreateCommandRow(form);
  CreateSettings(form);
  CreateStockAndWord(form);
  CreateCoach(form);
  CreateBoard(form);
}

void TMainWindowControls::CreateCommandRow(ui::Form& form) {
  ui::PanelStyle lowered;
  lowered.Inner = ui::Bevel::Lowered;
  MenuPanel.Create(form, layout::MenuPanel, "", lowered);
  WorkButton.Create(MenuPanel, layout::WorkButton, "&Work");
  HelpButton.Create(MenuPanel, layout::HelpButton, "&Help");
  AboutButton.Create(MenuPanel, layout::AboutButton, "&About");
  HideButton.Create(MenuPanel, layout::HideButton, "Hide");
  CloseButton.Create(MenuPanel, layout::CloseButton, "Close");
  FullScreenCheckBox.Create(MenuPanel, layout::FullScreenCheckBox, "&Full screen");
  form.SetHint(WorkButton, texts::WorkHint);
  form.SetHint(HideButton, texts::HideHint);
  form.SetHint(CloseButton, texts::CloseHint);
  form.SetHint(FullScreenCheckBox, texts::FullScreenHint);
}

void TMainWindowControls::CreateSettings(ui::Form& form) {
  MainPanel.Create(form, layout::MainPanel);
  ColumnsCountLabel.Create(MainPanel, layout::ColumnsCountLabel.Left, layout::ColumnsCountLabel.Top, "Columns");
  // Fixed lists of every board size, all shown at once: the player picks a size, never types one.
  const int allSizes = MaxBoardSize - MinBoardSize + 1;
  ColumnsCountComboBox.Create(MainPanel, layout::ColumnsCountComboBox.Left, layout::ColumnsCountComboBox.Top,
                              layout::ColumnsCountComboBox.Width, BoardSizeItems(), false, allSizes);
  RowsCountLabel.Create(MainPanel, layout::RowsCountLabel.Left, layout::RowsCountLabel.Top, "Rows");
  RowsCountComboBox.Create(MainPanel, layout::RowsCountComboBox.Left, layout::RowsCountComboBox.Top,
                           layout::RowsCountComboBox.Width, BoardSizeItems(), false, allSizes);
  ColumnsCountComboBox.SetText(std::to_string(DefaultBoardSize));
  RowsCountComboBox.SetText(std::to_string(DefaultBoardSize));
  DictionaryLabel.Create(MainPanel, layout::DictionaryLabel.Left, layout::DictionaryLabel.Top, "Dictionary");
  DictionaryEdit.Create(MainPanel, layout::DictionaryEdit);
  WordsListLabel.Create(MainPanel, layout::WordsListLabel.Left, layout::WordsListLabel.Top, "Words list");
  WordsListEdit.Create(MainPanel, layout::WordsListEdit);
  WordsInDictionaryLabel.Create(MainPanel, layout::WordsInDictionaryLabel.Left, layout::WordsInDictionaryLabel.Top,
                                "");
  AddToWordsListCheckBox.Create(MainPanel, layout::AddToWordsListCheckBox,
                                "Automatically add unknown words to words list", true);
  form.SetHint(AddToWordsListCheckBox, texts::AddToWordsListHint);
}

void TMainWindowControls::CreateStockAndWord(ui::Form& form) {
  LettersPanel.Create(form, layout::LettersPanel);
  StockLettersGroupBox.Create(LettersPanel, layout::StockLettersGroupBox, "Stock letters");
  stockLetterFont_ =
      ui::CreateFontByHeight(layout::StockLetterFontName, layout::StockLetterFontHeight, ui::FontBold);
  for (int slot = 0; slot < StockSize; ++slot) {
    ui::Panel& panel = StockLetterPanels[slot];
    panel.Create(StockLettersGroupBox,
                 {layout::StockLetterFirstLeft + slot * layout::StockLetterStep, layout::StockLetterTop,
                  layout::StockLetterSize, layout::StockLetterSize});
    panel.SetFont(stockLetterFont_.get());
  }
  DragTipLabel.CreateWrapped(StockLettersGroupBox, layout::DragTipLabel, texts::DragTip);
  NewStockLettersButton.Create(StockLettersGroupBox, layout::NewStockLettersButton, "New stock letters", false);
  LetterChangesLabel.Create(StockLettersGroupBox, layout::LetterChangesLabel.Left, layout::LetterChangesLabel.Top,
                            "");
  LetterScoreLabel.Create(StockLettersGroupBox, layout::LetterScoreLabel.Left, layout::LetterScoreLabel.Top, "");

  WordGroupBox.Create(LettersPanel, layout::WordGroupBox, "Word");
  PutWordButton.Create(WordGroupBox, layout::PutWordButton, "&Put word on board", false);
  PutFlippedWordButton.Create(WordGroupBox, layout::PutFlippedWordButton, "Put flipped word", false);
  form.SetHint(PutWordButton, texts::PutWordHint);
  form.SetHint(PutFlippedWordButton, texts::PutFlippedWordHint);
  AcceptWordTipLabel.CreateWrapped(WordGroupBox, layout::AcceptWordTipLabel, texts::AcceptWordTip);
  AllowUnknownWordsCheckBox.Create(WordGroupBox, layout::AllowUnknownWordsCheckBox, "Allow unknown words", true);
  ValidWordLabel.Create(WordGroupBox, layout::ValidWordLabel.Left, layout::ValidWordLabel.Top, "");
  ScoreLabel.Create(WordGroupBox, layout::ScoreLabel.Left, layout::ScoreLabel.Top, "");
}

void TMainWindowControls::CreateCoach(ui::Form& form) {
  CoachGroupBox.Create(form, layout::CoachGroupBox, "Coach");
  ui::Label* lines[] = {&CoachBestLabel, &CoachComparisonLabel, &CoachLegalMovesLabel, &CoachHintsLabel};
  // Fixed widths: the lines change after every put and must never be cut short.
  for (int line = 0; line < 4; ++line)
    lines[line]->CreateWrapped(CoachGroupBox,
                               {layout::CoachLineLeft, layout::CoachFirstLineTop + line * layout::CoachLineStep,
                                layout::CoachLineWidth, layout::CoachLineHeight},
                               "");
  HistoryGroupBox.Create(form, layout::HistoryGroupBox, "Moves");
  HistoryList.Create(HistoryGroupBox, layout::HistoryList,
                     {{"#", 30, true}, {"Move", 140}, {"Points", 50, true}, {"Best", 50, true}});
  // Shown by the layout once the window leaves room for them.
  CoachGroupBox.SetVisible(false);
  HistoryGroupBox.SetVisible(false);
}

void TMainWindowControls::CreateBoard(ui::Form& form) {
  BoardGroupBox.Create(form, layout::BoardGroupBox, "Board");
  BoardPaintBox.Create(BoardGroupBox, layout::BoardPaintBox, false);
}

ui::Label& TMainWindowControls::LabelFor(TGameLabel label) {
  switch (label) {
    case TGameLabel::WordsInDictionary:
      return WordsInDictionaryLabel;
    case TGameLabel::ValidWord:
      return ValidWordLabel;
    case TGameLabel::Score:
      return ScoreLabel;
    case TGameLabel::LetterScore:
      return LetterScoreLabel;
    case TGameLabel::CoachBest:
      return CoachBestLabel;
    case TGameLabel::CoachComparison:
      return CoachComparisonLabel;
    case TGameLabel::CoachLegalMoves:
      return CoachLegalMovesLabel;
    case TGameLabel::CoachHints:
      return CoachHintsLabel;
    case TGameLabel::LetterChanges:
      break;
  }
  return LetterChangesLabel;
}

int TMainWindowControls::StockSlotOf(const ui::Window& window) const {
  for (int slot = 0; slot < StockSize; ++slot)
    if (&StockLetterPanels[slot] == &window) return slot;
  return -1;
}

void TMainWindowControls::SetStockLetterFont(const std::string& fontName) {
  if (fontName.empty()) return;
  stockLetterFontName_ = fontName;
  RescaleFonts();
}

void TMainWindowControls::RescaleFonts() {
  ui::FontHandle font = ui::CreateFontByHeight(stockLetterFontName_, layout::StockLetterFontHeight, ui::FontBold);
  for (ui::Panel& panel : StockLetterPanels) panel.SetFont(font.get());
  // The panels use the new font before the old one is deleted.
  stockLetterFont_ = std::move(font);
}

}  // namespace vb
