#pragma once
// The game's main window.
#include "ui/Window.h"

namespace vb {

class TVorbelleForm : public ui::Window {
 public:
  // Client area of the window at 96 pixels per inch.
  static constexpr int kClientWidth = 758;
  static constexpr int kClientHeight = 528;

  bool Create();
  void Show(int showCommand);

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
};

}  // namespace vb
