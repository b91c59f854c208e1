#include "ui/DragManager.h"

#include <windowsx.h>

#include "ui/Cursors.h"

namespace vb::ui {

namespace {
DragManager* activeDrag = nullptr;

POINT ScreenPointOf(HWND hwnd, LPARAM lParam) {
  POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
  ::ClientToScreen(hwnd, &point);
  return point;
}
}  // namespace

DragManager::~DragManager() {
  if (activeDrag == this) Cancel();
}

void DragManager::RegisterTarget(Window& target, DropHandlers handlers) {
  targets_.push_back({&target, std::move(handlers)});
}

bool DragManager::Begin(Window& source) {
  if (activeDrag) activeDrag->Cancel();
  if (!source.Handle()) return false;
  source_ = &source;
  sourceHandle_ = source.Handle();
  activeDrag = this;
  Window::SetMessageFilter(&DragManager::Filter);
  ::SetCapture(sourceHandle_);
  POINT point{};
  ::GetCursorPos(&point);
  Move(point);
  return true;
}

void DragManager::Cancel() {
  if (!source_) return;
  Finish();
}

void DragManager::Finish() {
  HWND captured = sourceHandle_;
  // Cleared first: releasing the capture sends WM_CAPTURECHANGED back here.
  source_ = nullptr;
  sourceHandle_ = nullptr;
  if (activeDrag == this) {
    activeDrag = nullptr;
    Window::SetMessageFilter(nullptr);
  }
  if (::GetCapture() == captured) ::ReleaseCapture();
  ShowCursorShape(CursorShape::Default);
}

const DragManager::Registration* DragManager::Find(Window* target) const {
  for (const Registration& registration : targets_)
    if (registration.Target == target) return &registration;
  return nullptr;
}

Window* DragManager::TargetAt(POINT screenPoint) const {
  if (!sourceHandle_) return nullptr;
  // Searched within the source's own form, whatever else covers the screen.
  HWND window = ::GetAncestor(sourceHandle_, GA_ROOT);
  RECT bounds{};
  ::GetWindowRect(window, &bounds);
  if (!::PtInRect(&bounds, screenPoint)) return nullptr;
  Window* found = nullptr;
  while (window) {
    if (Window* object = Window::FromHandle(window); object && Find(object)) found = object;
    POINT client = screenPoint;
    ::ScreenToClient(window, &client);
    HWND child = ::ChildWindowFromPointEx(window, client, CWP_SKIPINVISIBLE | CWP_SKIPTRANSPARENT);
    if (!child || child == window) break;
    window = child;
  }
  return found;
}

const DragManager::Registration* DragManager::AcceptingTargetAt(POINT screenPoint, POINT& clientPoint) const {
  Window* target = TargetAt(screenPoint);
  const Registration* registration = target ? Find(target) : nullptr;
  if (!registration || !source_) return nullptr;
  clientPoint = screenPoint;
  ::ScreenToClient(target->Handle(), &clientPoint);
  if (!registration->Handlers.Accepts || !registration->Handlers.Accepts(*source_, clientPoint.x, clientPoint.y))
    return nullptr;
  return registration;
}

void DragManager::Move(POINT screenPoint) {
  POINT client{};
  ShowCursorShape(AcceptingTargetAt(screenPoint, client) ? CursorShape::Drag : CursorShape::NoDrop);
}

void DragManager::Release(POINT screenPoint) {
  POINT client{};
  const Registration* target = AcceptingTargetAt(screenPoint, client);
  Window* source = source_;
  // The drag is over before the drop runs: a drop handler may show a dialog.
  Finish();
  if (target && source && target->Handlers.Drop) target->Handlers.Drop(*source, client.x, client.y);
}

bool DragManager::Filter(HWND hwnd, UINT message, WPARAM, LPARAM lParam) {
  DragManager* drag = activeDrag;
  if (!drag) return false;
  if (message == WM_NCDESTROY && hwnd == drag->sourceHandle_) {
    drag->Cancel();
    return false;
  }
  if (hwnd != drag->sourceHandle_) return false;
  switch (message) {
    case WM_MOUSEMOVE:
      drag->Move(ScreenPointOf(hwnd, lParam));
      return true;
    case WM_LBUTTONUP:
      drag->Release(ScreenPointOf(hwnd, lParam));
      return true;
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
      drag->Cancel();
      return true;
    case WM_CAPTURECHANGED:
      drag->Cancel();
      return false;
    case WM_SETCURSOR:
      return true;
    default:
      return false;
  }
}

bool DragManager::CancelActiveDrag() {
  if (!activeDrag) return false;
  activeDrag->Cancel();
  return true;
}

}  // namespace vb::ui
