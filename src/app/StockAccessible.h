#pragma once
// The stock to a screen reader: the "Stock letters" group answers as a list of
// its seven slots, each named by the game ("Stock letter 2, E"), and tells the
// reader when a slot's letter changes.
#include <array>

#include "app/MainWindowControls.h"
#include "app/MainWindowView.h"
#include "ui/GridAccessible.h"

namespace vb {

class TStockAccessible {
 public:
  TStockAccessible(TMainWindowControls& controls, const TMainWindowView& view) : controls_(controls), view_(view) {}
  void Connect();
  void NotifySlotsChanged(const std::array<bool, StockSize>& slots) const;

 private:
  TMainWindowControls& controls_;
  const TMainWindowView& view_;
  ui::GridAccessiblePtr accessible_;
};

}  // namespace vb
