#include "ui/Form.h"

#include "platform/win32/ModalOwner.h"
#include "ui/Application.h"
#include "ui/KeyboardAccess.h"

namespace vb::ui {

namespace {
// WM_DPICHANGED, which the headers of older systems lack.
constexpr UINT kDpiChangedMessage = 0x02E0;
// Posted by ShowModal so that OnShown runs inside the modal loop.
constexpr UINT kShownMessage = WM_APP + 17;
}  // namespace

DWORD Form::StyleOf(FormBorder border) {
  switch (border) {
    case FormBorder::Dialog:
      return WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_DLGFRAME | WS_CLIPCHILDREN;
    case FormBorder::None:
      return WS_POPUP | WS_CLIPCHILDREN;
    case FormBorder::Single:
    default:
      return WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
  }
}

bool Form::CreateForm(const std::string& caption, int designClientWidth, int designClientHeight,
                      FormBorder border, HWND owner) {
  border_ = border;
  designClientWidth_ = designClientWidth;
  designClientHeight_ = designClientHeight;
  laidOutDpi_ = ScreenDpi();
  const DWORD style = StyleOf(border);
  const DWORD exStyle = border == FormBorder::Dialog ? WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT
                                                     : WS_EX_CONTROLPARENT;
  RECT bounds{0, 0, Scale(designClientWidth), Scale(designClientHeight)};
  ::AdjustWindowRectEx(&bounds, style, FALSE, exStyle);
  const char* className = border == FormBorder::Dialog ? "VorbelleDialog" : "VorbelleForm";
  if (!CreateWindowObject(className, style, exStyle, caption, CW_USEDEFAULT, CW_USEDEFAULT,
                          bounds.right - bounds.left, bounds.bottom - bounds.top, owner))
    return false;
  hints_.Create(Handle());
  return true;
}

void Form::SetFormFont(const std::string& name, int designPixelHeight, unsigned style) {
  fontName_ = name;
  fontHeight_ = designPixelHeight;
  fontStyle_ = style;
  font_ = CreateFontByHeight(name, designPixelHeight, style);
  SetFont(font_.get());
}

namespace {
struct FontSwap {
  HFONT Previous;
  HFONT Next;
};

BOOL CALLBACK RescaleChild(HWND child, LPARAM data) {
  const FontSwap& swap = *reinterpret_cast<const FontSwap*>(data);
  if (Window* window = Window::FromHandle(child)) {
    if (swap.Previous && window->Font() == swap.Previous) window->SetFont(swap.Next);
    window->Rescale();
  }
  return TRUE;
}
}  // namespace

bool Form::RescaleToLayoutDpi(const RECT* suggested) {
  const int dpi = ScreenDpi();
  if (!Handle() || dpi == laidOutDpi_) return false;
  laidOutDpi_ = dpi;
  // The controls still point at the old font until they have the new one.
  FontHandle previous = std::move(font_);
  if (!fontName_.empty()) {
    font_ = CreateFontByHeight(fontName_, fontHeight_, fontStyle_);
    SetFont(font_.get());
  }
  FontSwap swap{previous.get(), font_.get()};
  // Every descendant, parents before their children.
  ::EnumChildWindows(Handle(), &RescaleChild, reinterpret_cast<LPARAM>(&swap));
  PlaceAfterDpiChange(suggested);
  OnRescaled();
  ::RedrawWindow(Handle(), nullptr, nullptr, RDW_ERASE | RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_FRAME);
  return true;
}

void Form::AdoptMonitorDpi() {
  if (LayoutDpiSet()) return;
  const int dpi = DpiOfWindow(Handle());
  if (dpi <= 0 || dpi == ScreenDpi()) return;
  SetLayoutDpi(dpi);
  RescaleToLayoutDpi();
}

void Form::PlaceAfterDpiChange(const RECT* suggested) {
  const RECT frame = WindowRectForClient(Handle(), Scale(designClientWidth_), Scale(designClientHeight_));
  RECT now{};
  ::GetWindowRect(Handle(), &now);
  const POINT corner = suggested ? POINT{suggested->left, suggested->top} : POINT{now.left, now.top};
  ::SetWindowPos(Handle(), nullptr, corner.x, corner.y, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

void Form::OnDpiChanged(int dpi, const RECT* suggested) {
  if (dpi <= 0) return;
  if (drivesLayoutDpi_) {
    SetLayoutDpi(dpi);
    RescaleToLayoutDpi(suggested);
    return;
  }
  // Any other form follows its own monitor while it is there; shown again, it
  // takes the program's DPI.
  LayoutDpiScope scope(dpi);
  RescaleToLayoutDpi(suggested);
}

void Form::Show(int showCommand) {
  RescaleToLayoutDpi();
  ::ShowWindow(Handle(), showCommand);
  ::UpdateWindow(Handle());
}

void Form::Close() { ::SendMessageA(Handle(), WM_CLOSE, 0, 0); }

void Form::SetBorder(FormBorder border) {
  if (border == border_) return;
  // Keep the client size: the border is added around it.
  RECT client{};
  ::GetClientRect(Handle(), &client);
  border_ = border;
  const DWORD keep = static_cast<DWORD>(::GetWindowLongPtrA(Handle(), GWL_STYLE)) & WS_VISIBLE;
  ::SetWindowLongPtrA(Handle(), GWL_STYLE, static_cast<LONG_PTR>(StyleOf(border) | keep));
  ::SetWindowPos(Handle(), nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void Form::CentreOn(HWND owner) {
  RECT area{};
  if (owner && ::IsWindowVisible(owner) && !::IsIconic(owner)) {
    ::GetWindowRect(owner, &area);
  } else {
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
  }
  RECT own{};
  ::GetWindowRect(Handle(), &own);
  const int width = own.right - own.left;
  const int height = own.bottom - own.top;
  const int left = area.left + (area.right - area.left - width) / 2;
  const int top = area.top + (area.bottom - area.top - height) / 2;
  ::SetWindowPos(Handle(), nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

int Form::ShowModal(HWND owner) {
  if (modalRunning_) return ModalNone;
  // An owner that is itself behind a modal window would get the activation
  // back while disabled; the window in front of it owns this form instead.
  if (!CanOwnModal(owner) || owner == Handle()) owner = FindModalOwner();
  if (owner == Handle()) owner = nullptr;
  modalRunning_ = true;
  modalResult_ = ModalNone;
  // Owned by the caller's window for the time it is shown: stays in front of it.
  ::SetWindowLongPtrA(Handle(), GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(owner));
  RescaleToLayoutDpi();
  CentreOn(owner);
  const bool ownerWasEnabled = owner && ::IsWindowEnabled(owner);
  if (ownerWasEnabled) ::EnableWindow(owner, FALSE);
  ::ShowWindow(Handle(), SW_SHOWNORMAL);
  ::SetForegroundWindow(Handle());
  ::PostMessageA(Handle(), kShownMessage, 0, 0);
  MSG message;
  while (modalResult_ == ModalNone) {
    const BOOL got = ::GetMessageA(&message, nullptr, 0, 0);
    if (got <= 0) {
      // The program is ending: leave the quit for the outer loop.
      ::PostQuitMessage(static_cast<int>(message.wParam));
      modalResult_ = ModalCancel;
      break;
    }
    Application::ProcessMessage(message);
  }
  if (ownerWasEnabled) ::EnableWindow(owner, TRUE);
  ::ShowWindow(Handle(), SW_HIDE);
  if (owner) ::SetActiveWindow(owner);
  modalRunning_ = false;
  return modalResult_;
}

void Form::EndModal(int result) { modalResult_ = result == ModalNone ? ModalCancel : result; }

void Form::PreviewKey(WORD key, ShiftState shift) {
  if (OnKeyDown) OnKeyDown(key, shift);
}

void Form::OnDialogKey(int id) {
  if (id == IDOK && ClickFocusedButton(Handle())) return;
  if (id == IDCANCEL && modalRunning_) EndModal(ModalCancel);
}

LRESULT Form::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CLOSE:
      if (OnCloseQuery && !OnCloseQuery()) return 0;
      if (modalRunning_) {
        EndModal(ModalCancel);
        return 0;
      }
      ::DestroyWindow(Handle());
      return 0;
    case WM_COMMAND:
      if (lParam == 0 && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)) {
        OnDialogKey(LOWORD(wParam));
        return 0;
      }
      break;
    case kShownMessage:
      if (OnShown) OnShown();
      return 0;
    case WM_ACTIVATE: {
      const LRESULT result = DefaultHandling(message, wParam, lParam);
      if (LOWORD(wParam) != WA_INACTIVE) OnActivated();
      return result;
    }
    case kDpiChangedMessage:
      OnDpiChanged(LOWORD(wParam), reinterpret_cast<const RECT*>(lParam));
      return 0;
    case WM_DESTROY:
      if (quitOnDestroy_) ::PostQuitMessage(0);
      break;
    default:
      break;
  }
  return DefaultHandling(message, wParam, lParam);
}

}  // namespace vb::ui
