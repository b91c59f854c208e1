#pragma once
// A top-level window: fixed-size client area in design pixels, its own font,
// hints, key preview, closing with a query, and modal showing.
//
// DPI: a form lays itself out again when it is shown at another DPI than it
// was laid out at, and when it moves to a monitor of another DPI
// (WM_DPICHANGED): its font again, every control at its design bounds, its
// size; the main form's monitor sets the DPI of the whole program.
//
// Modal: ShowModal disables the owner, shows the form centred on it and runs a
// message loop until EndModal; the owner is enabled again before the form hides,
// so the owner gets the activation back. Modal forms hide instead of being
// destroyed: they are created once and shown again.
#include <functional>
#include <string>

#include "ui/Fonts.h"
#include "ui/ToolTips.h"
#include "ui/Window.h"

namespace vb::ui {

enum ModalResult { ModalNone = 0, ModalOk = 1, ModalCancel = 2 };

enum class FormBorder {
  Single,  // fixed single border, system menu and minimise button
  Dialog,  // fixed border, system menu only (close box)
  None,    // no border and no caption (full screen)
};

class Form : public Window {
 public:
  // Key preview: every key press reaches this before the focused control,
  // which still receives it afterwards.
  std::function<void(WORD key, ShiftState shift)> OnKeyDown;
  // Asked before the form closes (close box, Alt+F4, Close()); false keeps it open.
  std::function<bool()> OnCloseQuery;
  // Runs once each time the form shows modally, inside its modal loop (tests
  // answer a dialog from here).
  std::function<void()> OnShown;

  // Creates the hidden form with a client area of design pixels.
  bool CreateForm(const std::string& caption, int designClientWidth, int designClientHeight, FormBorder border,
                  HWND owner = nullptr);
  // The form's font, owned by the form; controls created afterwards take it.
  void SetFormFont(const std::string& name, int designPixelHeight, unsigned style = FontRegular);

  void Show(int showCommand = SW_SHOWNORMAL);
  // Asks OnCloseQuery, then closes (a modal form ends with ModalCancel).
  void Close();
  // Border style and window state (for full-screen layouts).
  void SetBorder(FormBorder border);
  FormBorder Border() const { return border_; }
  void CentreOn(HWND owner);

  int ShowModal(HWND owner);
  void EndModal(int result);
  bool InModalLoop() const { return modalRunning_; }

  // The main form: the DPI of its monitor is the DPI every window is laid out at.
  void SetDrivesLayoutDpi(bool drives) { drivesLayoutDpi_ = drives; }
  // Lays the form out again if the layout DPI is not the one it was laid out
  // at; `suggested` is the system's window rectangle for the new DPI (null
  // keeps the position). True when it did.
  bool RescaleToLayoutDpi(const RECT* suggested = nullptr);
  int LaidOutDpi() const { return laidOutDpi_; }
  // The main form at start: takes the DPI of the monitor it opened on, when no
  // DPI was set and the system knows it.
  void AdoptMonitorDpi();

  // The main form ends the message loop when it is destroyed.
  void SetQuitOnDestroy(bool quit) { quitOnDestroy_ = quit; }

  ToolTips& Hints() { return hints_; }
  void SetHint(Window& control, const std::string& text) { hints_.Add(control.Handle(), text); }

  // Called by the message loops: runs the key preview for a key message.
  void PreviewKey(WORD key, ShiftState shift);

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  // IDOK (Enter) and IDCANCEL (Escape) from dialog navigation. Here Enter
  // presses the focused button or check box and Escape ends a modal form.
  virtual void OnDialogKey(int id);
  // The form came to the front: a dialog puts the focus on its first control here.
  virtual void OnActivated() {}
  // After a DPI change: sizes and places the form (the default: its design
  // client size, at the suggested or the present top-left corner).
  virtual void PlaceAfterDpiChange(const RECT* suggested);
  // After a DPI change, once every control is back at its design bounds: fonts
  // of the form's own and controls it places itself.
  virtual void OnRescaled() {}

 private:
  static DWORD StyleOf(FormBorder border);
  void OnDpiChanged(int dpi, const RECT* suggested);
  FormBorder border_ = FormBorder::Single;
  FontHandle font_;
  std::string fontName_;
  int fontHeight_ = 0;
  unsigned fontStyle_ = FontRegular;
  int designClientWidth_ = 0;
  int designClientHeight_ = 0;
  int laidOutDpi_ = 96;
  bool drivesLayoutDpi_ = false;
  ToolTips hints_;
  bool modalRunning_ = false;
  int modalResult_ = ModalNone;
  bool quitOnDestroy_ = false;
};

}  // namespace vb::ui
