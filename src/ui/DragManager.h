#pragma once
// Drag and drop between controls of one form. A drag starts at the button press
// (no movement threshold): the source takes the mouse capture; every move asks
// the registered target under the pointer whether it accepts the source and
// shows the drag or no-drop cursor; the release drops on an accepting target.
// Escape, a lost capture or the end of the source window cancel the drag.
#include <windows.h>

#include <functional>
#include <vector>

#include "ui/Window.h"

namespace vb::ui {

struct DropHandlers {
  // May the source be dropped at (x, y), in the target's client coordinates?
  std::function<bool(Window& source, int x, int y)> Accepts;
  std::function<void(Window& source, int x, int y)> Drop;
};

class DragManager {
 public:
  DragManager() = default;
  ~DragManager();
  DragManager(const DragManager&) = delete;
  DragManager& operator=(const DragManager&) = delete;

  void RegisterTarget(Window& target, DropHandlers handlers);

  // Starts dragging `source` (call from its button-press handler).
  bool Begin(Window& source);
  bool Dragging() const { return source_ != nullptr; }
  Window* Source() const { return source_; }
  void Cancel();

  // The registered target under a screen point within the source's form, or nullptr.
  Window* TargetAt(POINT screenPoint) const;

  // Called by every window procedure: a message of the capturing source during a
  // drag is the manager's. True when it was used up.
  static bool Filter(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  // Escape from the message loops. True when a drag was cancelled.
  static bool CancelActiveDrag();

 private:
  struct Registration {
    Window* Target;
    DropHandlers Handlers;
  };
  const Registration* Find(Window* target) const;
  // Asks the target under the point; returns it when it accepts.
  const Registration* AcceptingTargetAt(POINT screenPoint, POINT& clientPoint) const;
  void Move(POINT screenPoint);
  void Release(POINT screenPoint);
  void Finish();

  std::vector<Registration> targets_;
  Window* source_ = nullptr;
  HWND sourceHandle_ = nullptr;
};

}  // namespace vb::ui
