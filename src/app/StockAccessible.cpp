#include "app/StockAccessible.h"

#include "core/game/AccessibleNames.h"

namespace vb {

void TStockAccessible::Connect() {
  ui::GroupBox& group = controls_.StockLettersGroupBox;
  ui::GridAccessible::Source source;
  source.Name = "Stock letters";
  source.Role = ROLE_SYSTEM_LIST;
  source.ChildRole = ROLE_SYSTEM_LISTITEM;
  source.Count = [] { return static_cast<long>(StockSize); };
  source.ChildName = [this](long slot) { return StockSlotName(view_.Shown().Stock, static_cast<int>(slot)); };
  source.ChildBounds = [this](long slot) { return controls_.StockLetterPanels[slot].DeviceBounds(); };
  source.ChildAt = [this](POINT point) {
    for (int slot = 0; slot < StockSize; ++slot) {
      const RECT bounds = controls_.StockLetterPanels[slot].DeviceBounds();
      if (::PtInRect(&bounds, point)) return static_cast<long>(slot);
    }
    return -1L;
  };
  accessible_.reset(ui::GridAccessible::Create(group.Handle(), std::move(source)));
  group.OnGetObject = [this](WPARAM wParam, LPARAM lParam) { return accessible_->Answer(wParam, lParam); };
}

void TStockAccessible::NotifySlotsChanged(const std::array<bool, StockSize>& slots) const {
  HWND group = controls_.StockLettersGroupBox.Handle();
  if (!group) return;
  for (int slot = 0; slot < StockSize; ++slot)
    if (slots[slot]) ::NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, group, OBJID_CLIENT, slot + 1);
}

}  // namespace vb
