#pragma once
// The base of every window of the program: one static window procedure finds the
// object (stored at WM_NCCREATE) and hands it the message. System controls are
// subclassed onto the same procedure, so they are objects too. No exception
// leaves a window procedure: it goes to the application's exception handler.
//
// Ownership: a form owns its controls as members. Destroying a parent window
// destroys its children; each object forgets its handle at WM_NCDESTROY, so
// members and windows may go in either order.
#include <windows.h>

#include <functional>
#include <string>

#include "core/input/Utilities.h"
#include "ui/Dpi.h"

namespace vb::ui {

enum class MouseButton { Left, Right, Middle };

// A mouse event in the window's client coordinates (device pixels).
struct MouseEvent {
  MouseButton Button = MouseButton::Left;
  ShiftState Shift = 0;
  int X = 0, Y = 0;
};

// The modifier keys held now (Shift, Alt, Ctrl bits of ShiftState).
ShiftState CurrentKeyShiftState();
// The modifiers and buttons of a mouse message's wParam, plus Alt from the keyboard.
ShiftState MouseShiftState(WPARAM wParam);

class Window {
 public:
  Window() = default;
  virtual ~Window();
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;

  HWND Handle() const { return hwnd_; }
  // The object of a window of this program, or nullptr.
  static Window* FromHandle(HWND hwnd);

  // Sees every message of every window first; true uses the message up (a
  // running drag takes the mouse this way). One at a time; null for none.
  using MessageFilter = bool (*)(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  static void SetMessageFilter(MessageFilter filter);
  // Gets the text of an exception that escaped a window's handling (the program
  // reports it); without one the exception is dropped, as it must never leave
  // the window procedure.
  using ExceptionHandler = void (*)(const std::string& message);
  static void SetExceptionHandler(ExceptionHandler handler);

  // Bounds in design pixels within the parent (scaled to the DPI); they are
  // kept, so the window can be placed again at another DPI.
  void SetBounds(const Bounds& designBounds);
  // Bounds in device pixels; the design bounds stay as they were, for the
  // layout that computed these to start from after a DPI change.
  void SetDeviceBounds(int left, int top, int width, int height);
  // After the DPI changed: back to the design bounds at the new DPI; controls
  // that measure themselves measure again. The form's font is already set.
  virtual void Rescale();
  RECT DeviceBounds() const;  // within the parent's client area (screen for top-level windows)
  int ClientWidth() const;
  int ClientHeight() const;

  void SetVisible(bool visible);
  bool Visible() const;
  void SetEnabled(bool enabled);
  bool Enabled() const;
  void SetText(const std::string& text);
  std::string Text() const;
  void Invalidate();
  void Focus();
  // The name screen readers read for the window, when its text or label gives a
  // wrong one (see ui/AccessibleName.h); empty leaves the system's name.
  void SetAccessibleName(const std::string& name);

  // The font of the window; controls created inside take their parent's font.
  // Not owned: the form that creates a font keeps it alive.
  void SetFont(HFONT font);
  HFONT Font() const { return font_; }

 protected:
  // Registers the window class (once per name) and creates the window.
  bool CreateWindowObject(const char* className, DWORD style, DWORD exStyle, const std::string& caption, int x,
                          int y, int width, int height, HWND parent, HMENU menu = nullptr);
  // Creates a window of a system class (BUTTON, EDIT...) as a child of `parent`
  // at design bounds, subclassed onto this object, with the parent's font.
  bool CreateSystemControl(const char* systemClass, DWORD style, DWORD exStyle, const std::string& text,
                           const Bounds& bounds, Window& parent);
  // Creates a child of this program's own class at design bounds, with the parent's font.
  bool CreateCustomControl(const char* className, DWORD style, DWORD exStyle, const Bounds& bounds,
                           Window& parent);

  // Handles one message; the default passes it on.
  virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  // DefWindowProc, or the system class's own procedure for system controls.
  // Also reflects child notifications (WM_COMMAND) back to the child's object.
  LRESULT DefaultHandling(UINT message, WPARAM wParam, LPARAM lParam);
  // A notification code from WM_COMMAND that the parent reflected to this control.
  virtual void OnCommandNotification(WORD /*code*/) {}
  // A WM_NOTIFY the parent reflected to this control; true when handled, with `result` to return.
  virtual bool OnNotify(const NMHDR& /*header*/, LRESULT& /*result*/) { return false; }

 private:
  static LRESULT CALLBACK StaticWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  static LRESULT CALLBACK SubclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                       DWORD_PTR data);
  LRESULT Dispatch(UINT message, WPARAM wParam, LPARAM lParam);
  void Attach(HWND hwnd);
  void Detach();

  HWND hwnd_ = nullptr;
  HFONT font_ = nullptr;
  Bounds designBounds_;
  bool hasDesignBounds_ = false;
  bool subclassed_ = false;
  std::string accessibleName_;
};

}  // namespace vb::ui
