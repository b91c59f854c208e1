// Forms and controls of the window layer: DPI scaling of layout tables, labels,
// combo boxes as text inputs, modal showing, key preview and double-buffered painting.
#include <gtest/gtest.h>

#include "ui/Application.h"
#include "ui/Button.h"
#include "ui/ComboBox.h"
#include "ui/Edit.h"
#include "ui/Form.h"
#include "ui/Label.h"
#include "ui/Panel.h"
#include "ui/PaintBox.h"

namespace vb::ui {
namespace {

class DpiScope {
 public:
  explicit DpiScope(int dpi) { SetLayoutDpi(dpi); }
  ~DpiScope() { SetLayoutDpi(0); }
};

RECT ClientRectOf(HWND hwnd) {
  RECT rect{};
  ::GetClientRect(hwnd, &rect);
  return rect;
}

TEST(DpiTest, DesignPixelsPassUnchangedAt96AndScaleAt144) {
  {
    DpiScope dpi(96);
    EXPECT_EQ(Scale(415), 415);
    const Bounds b = ScaleBounds({5, 20, 415, 480});
    EXPECT_EQ(b.Left, 5);
    EXPECT_EQ(b.Height, 480);
  }
  DpiScope dpi(144);
  EXPECT_EQ(Scale(415), 623);  // 622.5 rounds to nearest
  EXPECT_EQ(Scale(40), 60);
  EXPECT_EQ(Unscale(60), 40);
}

TEST(FormTest, ClientAreaAndControlBoundsFollowTheDpi) {
  for (int dpi : {96, 144}) {
    DpiScope scope(dpi);
    Form form;
    ASSERT_TRUE(form.CreateForm("Test", 500, 400, FormBorder::Dialog));
    form.SetFormFont("Arial", 12);
    Panel panel;
    ASSERT_TRUE(panel.Create(form, {5, 5, 490, 350}));
    Button button;
    ASSERT_TRUE(button.Create(form, {215, 365, 75, 25}, "&Cancel"));
    const RECT client = ClientRectOf(form.Handle());
    EXPECT_EQ(client.right, Scale(500)) << dpi;
    EXPECT_EQ(client.bottom, Scale(400)) << dpi;
    const RECT bounds = button.DeviceBounds();
    EXPECT_EQ(bounds.left, Scale(215)) << dpi;
    EXPECT_EQ(bounds.top, Scale(365)) << dpi;
    EXPECT_EQ(bounds.right - bounds.left, Scale(75)) << dpi;
    EXPECT_EQ(button.Font(), form.Font()) << "controls take the form's font";
  }
}

TEST(LabelTest, AutoSizedLabelFollowsItsTextAndWrappedLabelKeepsItsBounds) {
  Form form;
  ASSERT_TRUE(form.CreateForm("Test", 300, 200, FormBorder::Single));
  form.SetFormFont("Arial", 12);
  Label label;
  ASSERT_TRUE(label.Create(form, 10, 130, "Letter score 1"));
  const int shortWidth = label.ClientWidth();
  label.SetCaption("Letter score 10 and more text");
  EXPECT_GT(label.ClientWidth(), shortWidth);
  EXPECT_EQ(label.DeviceBounds().left, Scale(10));
  label.SetCaption("");
  EXPECT_EQ(label.ClientWidth(), 0);
  EXPECT_GT(label.ClientHeight(), 0) << "an empty label keeps a line's height";

  Label wrapped;
  ASSERT_TRUE(wrapped.CreateWrapped(form, {30, 65, 270, 30}, "A long text that needs more than one line to fit in."));
  EXPECT_EQ(wrapped.ClientWidth(), Scale(270));
  EXPECT_EQ(wrapped.Text(), "A long text that needs more than one line to fit in.");
}

TEST(ComboBoxTest, WorksAsTextInputForTheCoreHelpers) {
  Form form;
  ASSERT_TRUE(form.CreateForm("Test", 300, 200, FormBorder::Single));
  ComboBox box;
  std::vector<std::string> items;
  for (int i = 10; i <= 30; ++i) items.push_back(std::to_string(i));
  ASSERT_TRUE(box.Create(form, 65, 10, 50, items, true, 21));
  EXPECT_EQ(box.ItemCount(), 21);
  box.SetText("15");
  EXPECT_EQ(box.GetText(), "15");
  EXPECT_EQ(box.SelectedIndex(), 5);
  box.SetText("99");  // an editable box takes any text
  EXPECT_EQ(box.GetText(), "99");
  // Hidden form: the box cannot take the focus, which the helpers expect as an exception.
  EXPECT_THROW(box.Focus(), std::runtime_error);
}

TEST(MemoTest, LineEndsBecomeCrLf) {
  EXPECT_EQ(WithCrLfLineEnds("a\nb\r\nc\rd"), "a\r\nb\r\nc\r\nd");
  EXPECT_EQ(WithCrLfLineEnds(""), "");
}

TEST(ModalTest, OwnerIsDisabledWhileShownAndEnabledAgainAfterwards) {
  Form owner;
  ASSERT_TRUE(owner.CreateForm("Owner", 300, 200, FormBorder::Single));
  owner.Show(SW_SHOWNOACTIVATE);
  Form dialog;
  ASSERT_TRUE(dialog.CreateForm("Dialog", 200, 100, FormBorder::Dialog));
  Button ok;
  ASSERT_TRUE(ok.Create(dialog, {10, 10, 75, 25}, "OK"));
  bool ownerEnabledDuringModal = true;
  ok.OnClick = [&] {
    ownerEnabledDuringModal = owner.Enabled();
    dialog.EndModal(ModalOk);
  };
  ::PostMessageA(ok.Handle(), BM_CLICK, 0, 0);
  EXPECT_EQ(dialog.ShowModal(owner.Handle()), ModalOk);
  EXPECT_FALSE(ownerEnabledDuringModal);
  EXPECT_TRUE(owner.Enabled());
  EXPECT_FALSE(dialog.Visible()) << "a modal form hides and can be shown again";

  // The close box and Escape give the cancel result.
  ::PostMessageA(dialog.Handle(), WM_CLOSE, 0, 0);
  EXPECT_EQ(dialog.ShowModal(owner.Handle()), ModalCancel);
  ::PostMessageA(ok.Handle(), WM_KEYDOWN, VK_ESCAPE, 0);
  EXPECT_EQ(dialog.ShowModal(owner.Handle()), ModalCancel);
  EXPECT_TRUE(owner.Enabled());
}

TEST(KeyPreviewTest, FormSeesTheKeyFirstAndTheFocusedControlStillGetsIt) {
  Form form;
  ASSERT_TRUE(form.CreateForm("Keys", 300, 200, FormBorder::Single));
  Button button;
  ASSERT_TRUE(button.Create(form, {10, 10, 75, 25}, "Button"));
  std::vector<std::string> order;
  form.OnKeyDown = [&](WORD key, ShiftState) {
    if (key == VK_SPACE) order.push_back("form");
  };
  button.OnClick = [&] { order.push_back("button"); };
  form.Show(SW_SHOWNORMAL);
  ::SetForegroundWindow(form.Handle());
  button.Focus();
  ::PostMessageA(button.Handle(), WM_KEYDOWN, VK_SPACE, 0x00390001);
  ::PostMessageA(button.Handle(), WM_CHAR, ' ', 0x00390001);
  ::PostMessageA(button.Handle(), WM_KEYUP, VK_SPACE, 0xC0390001);
  Application::ProcessPendingMessages();
  ASSERT_EQ(order.size(), 2u);
  EXPECT_EQ(order[0], "form");
  EXPECT_EQ(order[1], "button");
}

TEST(CloseQueryTest, RefusedQueryKeepsTheFormOpen) {
  Form form;
  ASSERT_TRUE(form.CreateForm("Close", 300, 200, FormBorder::Single));
  bool allow = false;
  form.OnCloseQuery = [&] { return allow; };
  form.Close();
  EXPECT_TRUE(::IsWindow(form.Handle()));
  allow = true;
  form.Close();
  EXPECT_EQ(form.Handle(), nullptr);
}

TEST(PaintBoxTest, FullPaintIsDrawnThroughTheBufferAndSingleUpdatesDrawAtOnce) {
  Form form;
  ASSERT_TRUE(form.CreateForm("Paint", 200, 200, FormBorder::Single));
  PaintBox box;
  ASSERT_TRUE(box.Create(form, {10, 10, 100, 100}));
  int paints = 0;
  box.OnPaint = [&](HDC dc) {
    ++paints;
    RECT cell{0, 0, 50, 50};
    ::FillRect(dc, &cell, ::GetSysColorBrush(COLOR_HIGHLIGHT));
  };
  form.Show(SW_SHOWNOACTIVATE);
  ::UpdateWindow(form.Handle());
  EXPECT_GE(paints, 1);
  {
    HDC dc = ::GetDC(box.Handle());
    EXPECT_EQ(::GetPixel(dc, 10, 10), ::GetSysColor(COLOR_HIGHLIGHT));
    EXPECT_EQ(::GetPixel(dc, 70, 70), ::GetSysColor(COLOR_BTNFACE)) << "the unpainted rest is the face colour";
    ::ReleaseDC(box.Handle(), dc);
  }
  box.PaintNow([](HDC dc) {
    RECT cell{50, 50, 100, 100};
    ::FillRect(dc, &cell, ::GetSysColorBrush(COLOR_BTNSHADOW));
  });
  HDC dc = ::GetDC(box.Handle());
  EXPECT_EQ(::GetPixel(dc, 70, 70), ::GetSysColor(COLOR_BTNSHADOW));
  ::ReleaseDC(box.Handle(), dc);
}

TEST(HintTest, ControlsKeepTheirHintTexts) {
  Form form;
  ASSERT_TRUE(form.CreateForm("Hints", 200, 200, FormBorder::Single));
  Button button;
  ASSERT_TRUE(button.Create(form, {10, 10, 75, 25}, "Hide", false));
  form.SetHint(button, "You can also use \"Space\" to hide the program");
  EXPECT_EQ(form.Hints().HintOf(button.Handle()), "You can also use \"Space\" to hide the program");
}

}  // namespace
}  // namespace vb::ui
