#pragma once
// Shows the game in the main window's controls: the presenter hands it the view
// model and what changed once per command, and it redraws exactly that. It
// keeps the model it was given, so painting and cursors never read the game
// while a command runs.
#include <functional>
#include <vector>

#include "app/BoardView.h"
#include "app/BoardViewport.h"
#include "app/MainWindowControls.h"
#include "core/presenter/CommandTable.h"
#include "core/presenter/GameView.h"

namespace vb {

class TChooseLetterForm;

class TMainWindowView : public TGameView {
 public:
  // `applyLayout` lays the window out again (full screen on or off).
  TMainWindowView(ui::Form& window, TMainWindowControls& controls, const TCommandTable& commands,
                  std::function<void()> applyLayout);
  TMainWindowView(const TMainWindowView&) = delete;
  TMainWindowView& operator=(const TMainWindowView&) = delete;

  void Update(const TGameViewModel& model, const TViewChanges& changes) override;

  // The choose-letter dialog gets the dictionary's letters (not owned; may be null).
  void SetChooseLetterForm(TChooseLetterForm* form);
  const TGameViewModel& Shown() const { return shown_; }
  // Repaints the board in high-contrast style, or back.
  void SetHighContrast(bool on);
  // Runs after each update has been shown (screen-reader events follow it).
  std::function<void(const TViewChanges& changes)> AfterUpdate;
  const TBoardView& Board() const { return boardView_; }
  // The board's zoom and scrolling; the keyboard cursor is kept in view.
  TBoardViewport& Viewport() { return viewport_; }
  const TBoardViewport& Viewport() const { return viewport_; }
  // Cell size and font from the paint area's size, the board size in play and the zoom.
  void ComputeCellSize();
  // Draws these cells highlighted (a turn picked in the move history); empty clears.
  void HighlightCells(std::vector<TCellPosition> cells);
  void PaintBoard(HDC dc) const { boardView_.PaintBoard(dc); }

 private:
  void ShowBoard(const TViewChanges& changes);
  void ShowStock(const TViewChanges& changes);
  void ShowTexts(const TViewChanges& changes);
  void ShowSettings(const TViewChanges& changes);
  void ShowFont(const TViewChanges& changes);

  ui::Form& window_;
  TMainWindowControls& controls_;
  const TCommandTable& commands_;
  std::function<void()> applyLayout_;
  TChooseLetterForm* chooseLetterForm_ = nullptr;
  TGameViewModel shown_;
  TBoardView boardView_{shown_.Board};
  TBoardViewport viewport_{controls_.BoardPaintBox, boardView_};
};

}  // namespace vb
