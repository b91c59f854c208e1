#include "ui/Form.h"

#include "platform/win32/ModalOwner.h"
#include "ui/Application.h"
#include "ui/KeyboardAccess.h"

namespace vb::ui {

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
  font_ = CreateFontByHeight(name, designPixelHeight, style);
  SetFont(font_.get());
}

void Form::Show(int showCommand) {
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
  CentreOn(owner);
  const bool ownerWasEnabled = owner && ::IsWindowEnabled(owner);
  if (ownerWasEnabled) ::EnableWindow(owner, FALSE);
  ::ShowWindow(Handle(), SW_SHOWNORMAL);
  ::SetForegroundWindow(Handle());
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
    case WM_DESTROY:
      if (quitOnDestroy_) ::PostQuitMessage(0);
      break;
    default:
      break;
  }
  return DefaultHandling(message, wParam, lParam);
}

}  // namespace vb::ui
