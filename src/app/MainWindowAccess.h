#pragma once
// The main window to keyboard and screen-reader users, beyond what the system
// controls do on their own: the names of the controls whose label the system
// would not find, and the board's focus frame. The board draws itself, so it
// shows the focus as system controls do, with a focus rectangle around its
// cells, while it has the focus without the keyboard cursor (the cursor is a
// frame of its own).
#include <windows.h>

#include "app/MainWindowControls.h"
#include "app/MainWindowView.h"

namespace vb {

class TMainWindowAccess {
 public:
  TMainWindowAccess(TMainWindowControls& controls, const TMainWindowView& view) : controls_(controls), view_(view) {}
  // After the controls are created.
  void Connect();
  // Draws the focus frame over the painted board when it is due.
  void PaintBoardFocus(HDC dc);
  // After each update: repaints the board when the frame comes or goes, or cells were drawn over it.
  void AfterUpdate(const TViewChanges& changes);

 private:
  bool BoardFocusDue() const;

  TMainWindowControls& controls_;
  const TMainWindowView& view_;
  bool framePainted_ = false;
};

}  // namespace vb
