#pragma once
// The game's main window: the command row, the board settings, the stock and
// word controls on the left and the board on the right. It owns the game
// (TGame), runs the Work-menu commands (TGameCommands), mirrors the game's
// state through TGameView and turns mouse events into moves.
#include <array>
#include <functional>
#include <memory>
#include <string>

#include "app/BoardView.h"
#include "core/FileDialogSeam.h"
#include "core/Game.h"
#include "core/GameCommands.h"
#include "core/GameView.h"
#include "core/ProgramPaths.h"
#include "ui/Button.h"
#include "ui/ComboBox.h"
#include "ui/DragManager.h"
#include "ui/Edit.h"
#include "ui/Form.h"
#include "ui/GroupBox.h"
#include "ui/Label.h"
#include "ui/PaintBox.h"
#include "ui/Panel.h"
#include "ui/PopupMenu.h"

namespace vb {

class TChooseLetterForm;

class TVorbelleForm : public ui::Form, private TGameView {
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

  TGame& Game() { return game_; }
  TGameCommands& Commands() { return commands_; }
  const TBoardView& BoardView() const { return boardView_; }
  ui::PopupMenu& WorkMenu() { return workMenu_; }
  ui::DragManager& Drag() { return drag_; }
  TCellPosition DragSource() const { return dragSource_; }

  // The choose-letter dialog answers the game's letter changes (not owned).
  void SetChooseLetterForm(TChooseLetterForm* form);
  // Hooks for the windows other parts of the program provide.
  std::function<void()> OnShowAbout;
  std::function<void(int helpContext)> OnShowHelp;

  // Commands and buttons.
  void NewGameMenuClick();
  void LoadDictionaryMenuClick();
  void LoadLastGameMenuClick();
  void LoadGameMenuClick();
  void SaveGameMenuClick();
  void AnalyzeWordsListMenuClick();
  void WorkButtonClick();
  void HelpButtonClick();
  void AboutButtonClick();
  void HideButtonClick();
  void CloseButtonClick();
  void FullScreenCheckBoxClick();
  void PutWordButtonClick();
  void PutFlippedWordButtonClick();
  void NewStockLettersButtonClick();
  // Sees every key before the focused control.
  void FormKeyDown(WORD key, ShiftState shift);
  bool FormCloseQuery();

  // Layout and texts.
  void ApplyWindowLayout();
  void SetTitle(const std::string& name);
  void ShowDictionaryNames();

  // Board view.
  void ComputeCellSize() override;
  void PaintCell(int column, int row);
  void BoardPaintBoxMouseMove(const ui::MouseEvent& event);
  void BoardGroupBoxMouseMove(const ui::MouseEvent& event);
  void UpdateBoardCursor(int column, int row);

  // Letter drag and drop; the seven stock panels share each handler.
  void StockLetterPanelMouseDown(int slot, const ui::MouseEvent& event);
  void StockLetterPanelMouseMove(int slot);
  bool StockLetterPanelDragOver(int slot, ui::Window& source);
  void StockLetterPanelDragDrop(int slot, ui::Window& source);
  void BoardPaintBoxMouseDown(const ui::MouseEvent& event);
  bool BoardPaintBoxDragOver(int x, int y, ui::Window& source);
  void BoardPaintBoxDragDrop(int x, int y, ui::Window& source);
  void UpdateStockCursor(int slot);
  // The stock slot a panel shows, or -1 for any other window.
  int StockSlotOf(const ui::Window& window) const;
  bool IsStockPanel(const ui::Window& window) const { return StockSlotOf(window) >= 0; }

  // Controls, named as in the layout.
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
  ui::GroupBox BoardGroupBox;
  ui::PaintBox BoardPaintBox;

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void CreateCommandRow();
  void CreateSettings();
  void CreateStockAndWord();
  void CreateBoard();
  void BuildWorkMenu();
  void ConnectDragAndDrop();
  void ShowGameState();
  ui::Label* LabelFor(TGameLabel label);

  // TGameView.
  void CellChanged(int column, int row) override;
  void BoardChanged() override;
  void BoardShown() override;
  void StockSlotChanged(int slot) override;
  void LabelChanged(TGameLabel label) override;
  void PutButtonsChanged() override;
  void NewStockLettersButtonChanged() override;
  void TitleChanged() override;
  void SettingsChanged() override;
  void DictionaryNamesChanged() override;
  void FontChanged(const std::string& fontName) override;
  void LettersChanged(const std::string& fontName, const TAlphabet& alphabet) override;

  std::unique_ptr<TFileDialogs> ownDialogs_;
  TGame game_;
  TGameCommands commands_;
  TBoardView boardView_;
  ui::PopupMenu workMenu_;
  ui::DragManager drag_;
  TCellPosition dragSource_{-1, -1};
  TChooseLetterForm* chooseLetterForm_ = nullptr;
  ui::FontHandle stockLetterFont_;
  bool created_ = false;
};

}  // namespace vb
