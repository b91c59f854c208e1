// Drags between panels of one form, driven by the mouse messages a person causes.
#include <gtest/gtest.h>

#include "ui/Application.h"
#include "ui/DragManager.h"
#include "ui/Form.h"
#include "ui/Panel.h"

namespace vb::ui {
namespace {

LPARAM PointParam(int x, int y) { return MAKELPARAM(static_cast<WORD>(x), static_cast<WORD>(y)); }

class DragTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(form.CreateForm("Drag", 300, 100, FormBorder::Single));
    ::SetWindowPos(form.Handle(), HWND_TOP, 20, 20, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
    ASSERT_TRUE(source.Create(form, {10, 10, 40, 40}, "A"));
    ASSERT_TRUE(target.Create(form, {100, 10, 40, 40}));
    ASSERT_TRUE(other.Create(form, {200, 10, 40, 40}));
    form.Show(SW_SHOWNOACTIVATE);
    source.OnMouseDown = [&](const MouseEvent& event) {
      if (event.Button == MouseButton::Left) drag.Begin(source);
    };
    drag.RegisterTarget(target, {[&](Window& from, int, int) { return &from == &source && accept; },
                                 [&](Window& from, int x, int y) {
                                   ++drops;
                                   dropX = x;
                                   dropY = y;
                                   EXPECT_EQ(&from, &source);
                                 }});
  }

  // A point of `over`, in the source panel's client coordinates.
  LPARAM PointOver(Window& over, int x, int y) {
    POINT point{x, y};
    ::MapWindowPoints(over.Handle(), source.Handle(), &point, 1);
    return PointParam(point.x, point.y);
  }

  void Press() { ::SendMessageA(source.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, PointParam(5, 5)); }

  Form form;
  Panel source, target, other;
  DragManager drag;
  bool accept = true;
  int drops = 0, dropX = -1, dropY = -1;
};

TEST_F(DragTest, PressCapturesAndReleaseOverAnAcceptingTargetDrops) {
  Press();
  EXPECT_TRUE(drag.Dragging());
  EXPECT_EQ(::GetCapture(), source.Handle());
  ::SendMessageA(source.Handle(), WM_MOUSEMOVE, MK_LBUTTON, PointOver(target, 7, 9));
  ::SendMessageA(source.Handle(), WM_LBUTTONUP, 0, PointOver(target, 7, 9));
  EXPECT_EQ(drops, 1);
  EXPECT_EQ(dropX, 7);
  EXPECT_EQ(dropY, 9);
  EXPECT_FALSE(drag.Dragging());
  EXPECT_NE(::GetCapture(), source.Handle());
}

TEST_F(DragTest, RefusedTargetsAndOtherControlsGetNoDrop) {
  accept = false;
  Press();
  ::SendMessageA(source.Handle(), WM_LBUTTONUP, 0, PointOver(target, 7, 9));
  EXPECT_EQ(drops, 0);
  accept = true;
  Press();
  ::SendMessageA(source.Handle(), WM_LBUTTONUP, 0, PointOver(other, 7, 9));
  EXPECT_EQ(drops, 0);
  EXPECT_FALSE(drag.Dragging());
}

TEST_F(DragTest, EscapeOrLostCaptureCancels) {
  Press();
  MSG escape{source.Handle(), WM_KEYDOWN, VK_ESCAPE, 0, 0, {}};
  Application::ProcessMessage(escape);
  EXPECT_FALSE(drag.Dragging());
  ::SendMessageA(source.Handle(), WM_LBUTTONUP, 0, PointOver(target, 7, 9));
  EXPECT_EQ(drops, 0);

  Press();
  ::ReleaseCapture();
  EXPECT_FALSE(drag.Dragging());
  ::SendMessageA(source.Handle(), WM_LBUTTONUP, 0, PointOver(target, 7, 9));
  EXPECT_EQ(drops, 0);
}

TEST_F(DragTest, TargetIsFoundByPosition) {
  Press();
  RECT bounds{};
  ::GetWindowRect(target.Handle(), &bounds);
  EXPECT_EQ(drag.TargetAt({bounds.left + 2, bounds.top + 2}), &target);
  ::GetWindowRect(other.Handle(), &bounds);
  EXPECT_EQ(drag.TargetAt({bounds.left + 2, bounds.top + 2}), nullptr);
  drag.Cancel();
}

}  // namespace
}  // namespace vb::ui
