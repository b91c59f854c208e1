#include "app/ChooseLetterForm.h"

#include "ui/Dpi.h"

namespace vb {

bool TChooseLetterForm::Create() {
  if (!CreateForm("Choose letter", kClientWidth, kClientHeight, ui::FormBorder::Dialog)) return false;
  SetFormFont("Arial", 12);
  MainPanel.Create(*this, {5, 5, 490, 350});
  LettersPanel.Create(MainPanel, {5, 5, 480, 315});
  HintLabel.Create(MainPanel, 10, 325, "Click the letter you want to choose as replacement");
  CancelButton.Create(*this, {215, 365, 75, 25}, "&Cancel");
  CancelButton.OnClick = [this] { EndModal(ui::ModalCancel); };
  return true;
}

void TChooseLetterForm::BuildLetterPanels() {
  if (tilesBuilt_) return;
  tilesBuilt_ = true;
  ui::PanelStyle style;
  style.Outer = ui::Bevel::None;
  style.Inner = ui::Bevel::None;
  style.SingleBorder = true;
  for (int row = 0; row < TileRows; ++row) {
    for (int column = 0; column < TileColumns; ++column) {
      const int tile = row * TileColumns + column;
      ui::Panel& panel = Tiles[tile];
      panel.Create(LettersPanel, {}, "", style);
      panel.OnMouseDown = [this, tile](const ui::MouseEvent&) { LetterPanelMouseDown(tile); };
    }
  }
  PlaceTiles();
  SetTileFont();
}

void TChooseLetterForm::PlaceTiles() {
  const int width = (LettersPanel.ClientWidth() - ui::Scale(10)) / TileColumns;
  const int height = (LettersPanel.ClientHeight() - ui::Scale(10)) / TileRows;
  for (int row = 0; row < TileRows; ++row)
    for (int column = 0; column < TileColumns; ++column)
      Tiles[row * TileColumns + column].SetDeviceBounds(ui::Scale(5) + column * width, ui::Scale(5) + row * height,
                                                        width - ui::Scale(2), height - ui::Scale(2));
}

void TChooseLetterForm::SetTileFont() {
  const int height = (LettersPanel.ClientHeight() - ui::Scale(10)) / TileRows;
  ui::FontHandle font = ui::CreateFontByPoints(tileFontName_, ui::Unscale(height) / 2, ui::FontBold);
  for (ui::Panel& tile : Tiles) tile.SetFont(font.get());
  // The tiles use the new font before the old one is deleted.
  tileFont_ = std::move(font);
}

void TChooseLetterForm::OnRescaled() {
  if (!tilesBuilt_) return;
  PlaceTiles();
  SetTileFont();
}

void TChooseLetterForm::SetLetters(const std::string& fontName, const TAlphabet& alphabet) {
  if (!tilesBuilt_) BuildLetterPanels();
  tileFontName_ = fontName;
  SetTileFont();
  for (int tile = 0; tile < TilesCount; ++tile) {
    const unsigned char letter = alphabet[tile];
    Tiles[tile].SetText(letter ? std::string(1, static_cast<char>(letter)) : std::string());
  }
}

unsigned char TChooseLetterForm::ChooseLetter(HWND owner) {
  chosenLetter_ = 0;
  if (ShowModal(owner) != ui::ModalOk) return 0;
  return chosenLetter_;
}

void TChooseLetterForm::LetterPanelMouseDown(int tile) {
  if (tile < 0 || tile >= TilesCount) return;
  const std::string caption = Tiles[tile].Text();
  if (caption.empty()) return;
  chosenLetter_ = static_cast<unsigned char>(caption[0]);
  EndModal(ui::ModalOk);
}

}  // namespace vb
