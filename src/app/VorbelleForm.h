#pragma once
// The game's main window: the command row, the board settings, the stock and
// word controls on the left and the board on the right. It turns the player's
// clicks and keys into commands of the game presenter (the command table makes
// the Work menu, the shortcuts and the buttons' enabling) and shows the game
// through its view.
#include <functional>
#include <memory>
#include <string>

#include "app/BoardKeyboard.h"
#include "app/BoardView.h"
#include "app/DragAutoScroll.h"
#include "app/GameNumberForm.h"
#include "app/LetterDrag.h"
#include "app/MainWindowAccess.h"
#include "app/MainWindowControls.h"
#include "app/MainWindowView.h"
#include "app/StockAccessible.h"
#include "app/ZoomCommands.h"
#include "core/presenter/CommandTable.h"
#include "core/files/FileDialogSeam.h"
#include "core/presenter/GamePresenter.h"
#include "core/base/ProgramPaths.h"
#include "ui/Form.h"
#include "ui/PopupMenu.h"

namespace vb {

class TChooseLetterForm;

class TVorbelleForm : public ui::Form {
 public:
  // Client area at 96 DPI.
  static constexpr int kClientWidth = 758;
  static constexpr int kClientHeight = 528;

  // Files live under `programFolder`; draws use `pool` (the program's pool when
  // null); file dialogs are the system's unless `dialogs` is given.
  explicit TVorbelleForm(const std::string& programFolder = GetProgramFolder(), TRandomPool* pool = nullptr,
                         TFileDialogs* dialogs = nullptr);
  ~TVorbelleForm() override;

  // Creates the hidden window with every control.
  bool Create();
  // Start-up: folders, options, window layout, the choose-letter tiles.
  void BeforeRun();

  TGamePresenter& Game() { return game_; }
  TMainWindowControls& Controls() { return controls_; }
  TGameCommands& Commands() { return game_.Commands(); }
  const TCommandTable& CommandTable() const { return commands_; }
  const TBoardView& BoardView() const { return view_.Board(); }
  ui::PopupMenu& WorkMenu() { return workMenu_; }
  ui::DragManager& Drag() { return drag_.Manager(); }
  TCellPosition DragSource() const { return drag_.Source(); }
  TBoardKeyboard& BoardKeyboard() { return keyboard_; }
  TDragAutoScroll& DragAutoScroll() { return autoScroll_; }
  TBoardViewport& BoardViewport() { return view_.Viewport(); }

  // The choose-letter dialog answers the game's letter changes (not owned).
  void SetChooseLetterForm(TChooseLetterForm* form);
  // Hooks for the windows other parts of the program provide.
  std::function<void()> OnShowAbout;
  std::function<void(int helpContext)> OnShowHelp;

  // Commands and buttons.
  void NewGameMenuClick();
  void NewNumberedGameMenuClick();
  void LoadDictionaryMenuClick();
  void LoadLastGameMenuClick();
  void LoadGameMenuClick();
  void SaveGameMenuClick();
  void AnalyzeWordsListMenuClick();
  void WorkButtonClick();
  void HelpButtonClick();
  void FullScreenCheckBoxClick();
  // Sees every key before the focused control.
  void FormKeyDown(WORD key, ShiftState shift);
  bool FormCloseQuery();

  // Layout and texts: the window's place on the screen, then what is inside.
  void ApplyWindowLayout();
  // The board takes the rest of the client area; the coach and the history
  // the room under the word group.
  void LayOutClient();
  void SetTitle(const std::string& name) { game_.SetTitle(name); }

 private:
  class LetterChooser;
  class StatisticsWindow;
  void BuildCommandTable();
  void ConnectControls();
  // The board size the combo boxes show goes to the game before a command that
  // reads it: new game, the loads and closing (the options keep it).
  void PassBoardSizeChoice();
  void RunCommand(TCommandId id);

  // The coach's building thread posts this when a word graph is ready.
  static constexpr UINT kCoachGraphReadyMessage = WM_APP + 19;
  // A turn picked in the move history stays highlighted this long.
  static constexpr UINT_PTR kHighlightTimer = 1;
  static constexpr UINT kHighlightMilliseconds = 1500;
  void ShowTurnOnBoard(int turn);
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void PlaceWindow();
  void PlaceAfterDpiChange(const RECT* suggested) override;
  void OnRescaled() override;

  std::unique_ptr<TFileDialogs> ownDialogs_;
  TGamePresenter game_;
  TMainWindowControls controls_;
  TCommandTable commands_;
  TMainWindowView view_;
  TLetterDrag drag_;
  TDragAutoScroll autoScroll_;
  TBoardKeyboard keyboard_;
  TZoomCommands zoom_;
  TStockAccessible stockAccessible_;
  TMainWindowAccess access_;
  ui::PopupMenu workMenu_;
  std::unique_ptr<LetterChooser> letterChooser_;
  TGameNumberForm numberForm_;
  std::unique_ptr<StatisticsWindow> statisticsWindow_;
  TChooseLetterForm* chooseLetterForm_ = nullptr;
  bool created_ = false;
};

}  // namespace vb
