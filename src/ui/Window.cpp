#include "ui/Window.h"

#include <commctrl.h>

#include <exception>

#include "ui/AccessibleName.h"

namespace vb::ui {

namespace {
const char kObjectProperty[] = "Vorbelle.Window";
const UINT_PTR kSubclassId = 1;
}  // namespace

ShiftState CurrentKeyShiftState() {
  ShiftState state = 0;
  if (::GetKeyState(VK_SHIFT) < 0) state |= ShiftBit(ShiftKey);
  if (::GetKeyState(VK_MENU) < 0) state |= ShiftBit(AltKey);
  if (::GetKeyState(VK_CONTROL) < 0) state |= ShiftBit(CtrlKey);
  return state;
}

ShiftState MouseShiftState(WPARAM wParam) {
  ShiftState state = 0;
  if (wParam & MK_SHIFT) state |= ShiftBit(ShiftKey);
  if (wParam & MK_CONTROL) state |= ShiftBit(CtrlKey);
  if (wParam & MK_LBUTTON) state |= ShiftBit(LeftButton);
  if (wParam & MK_RBUTTON) state |= ShiftBit(RightButton);
  if (wParam & MK_MBUTTON) state |= ShiftBit(MiddleButton);
  if (::GetKeyState(VK_MENU) < 0) state |= ShiftBit(AltKey);
  return state;
}

Window::~Window() {
  if (hwnd_) {
    HWND hwnd = hwnd_;
    Detach();
    ::DestroyWindow(hwnd);
  }
}

Window* Window::FromHandle(HWND hwnd) {
  return hwnd ? static_cast<Window*>(::GetPropA(hwnd, kObjectProperty)) : nullptr;
}

void Window::Attach(HWND hwnd) {
  hwnd_ = hwnd;
  ::SetPropA(hwnd, kObjectProperty, this);
}

void Window::Detach() {
  if (!hwnd_) return;
  ::RemovePropA(hwnd_, kObjectProperty);
  if (subclassed_) ::RemoveWindowSubclass(hwnd_, &Window::SubclassProc, kSubclassId);
  subclassed_ = false;
  hwnd_ = nullptr;
}

bool Window::CreateWindowObject(const char* className, DWORD style, DWORD exStyle, const std::string& caption,
                                int x, int y, int width, int height, HWND parent, HMENU menu) {
  HINSTANCE instance = ::GetModuleHandleA(nullptr);
  WNDCLASSEXA existing{};
  existing.cbSize = sizeof existing;
  if (!::GetClassInfoExA(instance, className, &existing)) {
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = &Window::StaticWindowProc;
    wc.hInstance = instance;
    wc.hCursor = ::LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.hIcon = ::LoadIconA(instance, "MAINICON");
    wc.lpszClassName = className;
    if (!::RegisterClassExA(&wc)) return false;
  }
  return ::CreateWindowExA(exStyle, className, caption.c_str(), style, x, y, width, height, parent, menu, instance,
                           this) != nullptr;
}

bool Window::CreateSystemControl(const char* systemClass, DWORD style, DWORD exStyle, const std::string& text,
                                 const Bounds& bounds, Window& parent) {
  const Bounds b = ScaleBounds(bounds);
  HWND hwnd = ::CreateWindowExA(exStyle, systemClass, text.c_str(), style | WS_CHILD, b.Left, b.Top, b.Width,
                                b.Height, parent.Handle(), nullptr, ::GetModuleHandleA(nullptr), nullptr);
  if (!hwnd) return false;
  Attach(hwnd);
  designBounds_ = bounds;
  hasDesignBounds_ = true;
  subclassed_ = ::SetWindowSubclass(hwnd, &Window::SubclassProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this));
  SetFont(parent.Font());
  return true;
}

bool Window::CreateCustomControl(const char* className, DWORD style, DWORD exStyle, const Bounds& bounds,
                                 Window& parent) {
  const Bounds b = ScaleBounds(bounds);
  if (!CreateWindowObject(className, style | WS_CHILD, exStyle, "", b.Left, b.Top, b.Width, b.Height,
                          parent.Handle()))
    return false;
  designBounds_ = bounds;
  hasDesignBounds_ = true;
  SetFont(parent.Font());
  return true;
}

LRESULT Window::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  return DefaultHandling(message, wParam, lParam);
}

LRESULT Window::DefaultHandling(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_COMMAND && lParam != 0) {
    if (Window* child = FromHandle(reinterpret_cast<HWND>(lParam))) {
      child->OnCommandNotification(HIWORD(wParam));
      return 0;
    }
  }
  if (message == WM_NOTIFY && lParam != 0) {
    const NMHDR& header = *reinterpret_cast<const NMHDR*>(lParam);
    if (Window* child = FromHandle(header.hwndFrom); child && child != this) {
      LRESULT result = 0;
      if (child->OnNotify(header, result)) return result;
    }
  }
  if (subclassed_) return ::DefSubclassProc(hwnd_, message, wParam, lParam);
  // The program's own windows answer with the font they paint with.
  if (message == WM_GETFONT) return reinterpret_cast<LRESULT>(font_);
  return ::DefWindowProcA(hwnd_, message, wParam, lParam);
}

namespace {
Window::MessageFilter messageFilter = nullptr;
Window::ExceptionHandler exceptionHandler = nullptr;

void ReportEscapedException(const std::string& message) {
  if (!exceptionHandler) return;
  try {
    exceptionHandler(message);
  } catch (...) {
    // Nothing may leave the window procedure.
  }
}
}  // namespace

void Window::SetMessageFilter(MessageFilter filter) { messageFilter = filter; }
void Window::SetExceptionHandler(ExceptionHandler handler) { exceptionHandler = handler; }

LRESULT Window::Dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
  HWND hwnd = hwnd_;
  LRESULT result = 0;
  try {
    if (messageFilter && messageFilter(hwnd, message, wParam, lParam)) return 0;
    if (message == WM_GETOBJECT && !accessibleName_.empty())
      if (const LRESULT answer = AnswerWithAccessibleName(hwnd, accessibleName_, wParam, lParam)) return answer;
    result = HandleMessage(message, wParam, lParam);
  } catch (const std::exception& e) {
    ReportEscapedException(e.what());
  } catch (...) {
    ReportEscapedException("Unhandled generic exception.");
  }
  if (message == WM_NCDESTROY && hwnd_ == hwnd) Detach();
  return result;
}

LRESULT CALLBACK Window::StaticWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  Window* self = nullptr;
  if (message == WM_NCCREATE) {
    self = static_cast<Window*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
    if (self) self->Attach(hwnd);
  } else {
    self = FromHandle(hwnd);
  }
  if (!self) return ::DefWindowProcA(hwnd, message, wParam, lParam);
  return self->Dispatch(message, wParam, lParam);
}

LRESULT CALLBACK Window::SubclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                      DWORD_PTR data) {
  Window* self = reinterpret_cast<Window*>(data);
  if (!self || self->hwnd_ != hwnd) return ::DefSubclassProc(hwnd, message, wParam, lParam);
  return self->Dispatch(message, wParam, lParam);
}

void Window::SetBounds(const Bounds& designBounds) {
  designBounds_ = designBounds;
  hasDesignBounds_ = true;
  const Bounds b = ScaleBounds(designBounds);
  SetDeviceBounds(b.Left, b.Top, b.Width, b.Height);
}

void Window::Rescale() {
  if (hasDesignBounds_) SetBounds(designBounds_);
}

void Window::SetDeviceBounds(int left, int top, int width, int height) {
  ::SetWindowPos(hwnd_, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

RECT Window::DeviceBounds() const {
  RECT rect{};
  ::GetWindowRect(hwnd_, &rect);
  HWND parent = (::GetWindowLongPtrA(hwnd_, GWL_STYLE) & WS_CHILD) ? ::GetParent(hwnd_) : nullptr;
  if (parent) ::MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

int Window::ClientWidth() const {
  RECT rect{};
  ::GetClientRect(hwnd_, &rect);
  return rect.right - rect.left;
}

int Window::ClientHeight() const {
  RECT rect{};
  ::GetClientRect(hwnd_, &rect);
  return rect.bottom - rect.top;
}

void Window::SetVisible(bool visible) { ::ShowWindow(hwnd_, visible ? SW_SHOWNA : SW_HIDE); }

bool Window::Visible() const { return hwnd_ && (::GetWindowLongPtrA(hwnd_, GWL_STYLE) & WS_VISIBLE) != 0; }

void Window::SetEnabled(bool enabled) { ::EnableWindow(hwnd_, enabled ? TRUE : FALSE); }

bool Window::Enabled() const { return hwnd_ && ::IsWindowEnabled(hwnd_); }

void Window::SetText(const std::string& text) { ::SetWindowTextA(hwnd_, text.c_str()); }

std::string Window::Text() const {
  const int length = ::GetWindowTextLengthA(hwnd_);
  std::string text(static_cast<size_t>(length) + 1, '\0');
  const int copied = ::GetWindowTextA(hwnd_, text.data(), length + 1);
  text.resize(copied > 0 ? static_cast<size_t>(copied) : 0);
  return text;
}

void Window::Invalidate() { ::InvalidateRect(hwnd_, nullptr, TRUE); }

void Window::Focus() { ::SetFocus(hwnd_); }

void Window::SetAccessibleName(const std::string& name) {
  accessibleName_ = name;
  if (hwnd_) ::NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, hwnd_, OBJID_CLIENT, CHILDID_SELF);
}

void Window::SetFont(HFONT font) {
  font_ = font;
  if (hwnd_) ::SendMessageA(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
}

}  // namespace vb::ui
