#pragma once
// The main window's commands, one row each: what the Work menu shows, the key
// that runs it, what it does and when it can run. The menu, the keyboard
// shortcuts and the buttons' enabling are all made from this table, so a new
// command is one new row.
#include <functional>
#include <string>
#include <vector>

#include "core/presenter/GameViewModel.h"

namespace vb {

enum class TCommandId {
  NewGame,
  NewNumberedGame,
  LoadDictionary,
  LoadLastGame,
  LoadGame,
  SaveGame,
  AnalyzeWordsList,
  Statistics,
  FinishGame,
  Hint,
  Undo,
  Redo,
  PutWord,
  PutFlippedWord,
  NewStockLetters,
  Hide,
  ZoomIn,
  ZoomOut,
  ZoomToFit,
};

// Which modifier keys may be down for the command's key.
enum class TKeyModifiers {
  Any,       // the key alone or with any of Shift, Ctrl and Alt
  CtrlOnly,  // Ctrl and no other
  AltOnly,   // Alt and no other
};

struct TCommand {
  TCommandId Id;
  std::string Caption;  // the Work menu's item; empty: not in the menu
  int Key = 0;          // virtual-key code (letters as capitals); 0: no key
  TKeyModifiers Modifiers = TKeyModifiers::Any;
  std::string KeyText;  // the key as the menu shows it
  bool SeparatorBefore = false;
  std::function<void()> Run;
  // When the command can run; empty: always.
  std::function<bool(const TGameViewModel&)> Enabled;
};

class TCommandTable {
 public:
  void Add(TCommand command);
  const std::vector<TCommand>& Rows() const { return rows_; }
  const TCommand* Find(TCommandId id) const;
  // The command a key press runs, or null. `onlyCtrl` / `onlyAlt`: that key is
  // the only modifier down.
  const TCommand* ForKey(int key, bool onlyCtrl, bool onlyAlt = false) const;
  bool IsEnabled(TCommandId id, const TGameViewModel& model) const;
  // Runs the command when it is in the table and enabled; true when it ran.
  bool Run(TCommandId id, const TGameViewModel& model) const;

 private:
  std::vector<TCommand> rows_;
};

}  // namespace vb
