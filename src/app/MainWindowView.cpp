#include "app/MainWindowView.h"

#include <string>
#include <utility>

#include "app/ChooseLetterForm.h"

namespace vb {

namespace {
std::string LetterText(unsigned char letter) { return letter ? std::string(1, static_cast<char>(letter)) : std::string(); }
}  // namespace

TMainWindowView::TMainWindowView(ui::Form& window, TMainWindowControls& controls, const TCommandTable& commands,
                                 std::function<void()> applyLayout)
    : window_(window),
      controls_(controls), commands_(commands), applyLayout_(std::move(applyLayout)) {}

void TMainWindowView::SetChooseLetterForm(TChooseLetterForm* form) {
  chooseLetterForm_ = form;
  if (form) form->SetLetters(shown_.FontName, shown_.Alphabet);
}

void TMainWindowView::Update(const TGameViewModel& model, const TViewChanges& changes) {
  shown_ = model;
  boardView_.SetCursor(model.Cursor);
  ShowFont(changes);
  ShowBoard(changes);
  ShowStock(changes);
  ShowTexts(changes);
  ShowSettings(changes);
  if (AfterUpdate) AfterUpdate(changes);
}

void TMainWindowView::ComputeCellSize() { viewport_.Layout(); }

void TMainWindowView::ShowBoard(const TViewChanges& changes) {
  ui::PaintBox& paint = controls_.BoardPaintBox;
  if (changes.BoardVisible) paint.SetVisible(shown_.BoardVisible);
  if (changes.BoardSize) ComputeCellSize();
  if (changes.Cursor && shown_.Cursor.Active) viewport_.ShowCell(shown_.Cursor.Column, shown_.Cursor.Row);
  if (changes.WholeBoard || changes.BoardVisible) {
    paint.Invalidate();
  } else {
    for (const TCellPosition& cell : changes.Cells)
      paint.PaintNow([&](HDC dc) { boardView_.PaintCell(dc, cell.Column, cell.Row); });
  }
}

void TMainWindowView::SetHighContrast(bool on) {
  if (boardView_.HighContrast() == on) return;
  boardView_.SetHighContrast(on);
  if (controls_.BoardPaintBox.Handle()) controls_.BoardPaintBox.Invalidate();
}

void TMainWindowView::HighlightCells(std::vector<TCellPosition> cells) {
  std::vector<TCellPosition> repaint = boardView_.Highlighted();
  repaint.insert(repaint.end(), cells.begin(), cells.end());
  // The turn's last cell, then its first: the whole word when it fits.
  if (!cells.empty()) {
    viewport_.ShowCell(cells.back().Column, cells.back().Row);
    viewport_.ShowCell(cells.front().Column, cells.front().Row);
  }
  boardView_.SetHighlight(std::move(cells));
  ui::PaintBox& paint = controls_.BoardPaintBox;
  if (!paint.Handle()) return;
  for (const TCellPosition& cell : repaint)
    paint.PaintNow([&](HDC dc) { boardView_.PaintCell(dc, cell.Column, cell.Row); });
}

void TMainWindowView::ShowStock(const TViewChanges& changes) {
  for (int slot = 0; slot < StockSize; ++slot)
    if (changes.Slots[slot]) controls_.StockLetterPanels[slot].SetText(LetterText(shown_.Stock.Letter(slot)));
}

void TMainWindowView::ShowTexts(const TViewChanges& changes) {
  for (int label = 0; label < GameLabelsCount; ++label) {
    if (!changes.Labels[label]) continue;
    ui::Label& control = controls_.LabelFor(static_cast<TGameLabel>(label));
    if (control.Handle() && control.Text() != shown_.Labels[label]) control.SetCaption(shown_.Labels[label]);
  }
  // The buttons run commands; the table says when each can run.
  if (changes.PutButtons) {
    controls_.PutWordButton.SetEnabled(commands_.IsEnabled(TCommandId::PutWord, shown_));
    controls_.PutFlippedWordButton.SetEnabled(commands_.IsEnabled(TCommandId::PutFlippedWord, shown_));
  }
  if (changes.NewStockLettersButton)
    controls_.NewStockLettersButton.SetEnabled(commands_.IsEnabled(TCommandId::NewStockLetters, shown_));
  if (changes.Names) {
    controls_.DictionaryEdit.SetText(shown_.DictionaryName);
    controls_.WordsListEdit.SetText(shown_.WordsListName);
  }
  if (changes.BoardSizeChoice) {
    controls_.ColumnsCountComboBox.SetText(shown_.ColumnsChoice);
    controls_.RowsCountComboBox.SetText(shown_.RowsChoice);
  }
  if (changes.Title && window_.Handle()) window_.SetText(shown_.Title);
  if (changes.History) {
    std::vector<ui::ListView::Row> rows;
    rows.reserve(shown_.History.size());
    for (const THistoryRow& row : shown_.History)
      rows.push_back({{row.Number, row.Move, row.Points, row.Best}, row.Undone});
    controls_.HistoryList.SetRows(rows);
  }
}

void TMainWindowView::ShowSettings(const TViewChanges& changes) {
  if (!changes.Settings) return;
  controls_.AddToWordsListCheckBox.SetChecked(shown_.Settings.AddToWordsList);
  controls_.AllowUnknownWordsCheckBox.SetChecked(shown_.Settings.AllowUnknownWords);
  const bool layoutChanges = controls_.FullScreenCheckBox.Checked() != shown_.FullScreen;
  controls_.FullScreenCheckBox.SetChecked(shown_.FullScreen);
  if (layoutChanges && applyLayout_) applyLayout_();
}

void TMainWindowView::ShowFont(const TViewChanges& changes) {
  if (changes.Font && !shown_.FontName.empty()) {
    controls_.SetStockLetterFont(shown_.FontName);
    boardView_.SetFontName(shown_.FontName);
    controls_.BoardPaintBox.SetFont(boardView_.Font());
    controls_.BoardPaintBox.Invalidate();
  }
  if (changes.Letters && chooseLetterForm_) chooseLetterForm_->SetLetters(shown_.FontName, shown_.Alphabet);
}

}  // namespace vb
