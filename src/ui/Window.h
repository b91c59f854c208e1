#pragma once
// The base of every window of the program: one static window procedure finds the
// object (stored at WM_NCCREATE) and hands it the message. No exception leaves
// the procedure: it goes to the application's exception handler.
#include <windows.h>

#include <string>

namespace vb::ui {

class Window {
 public:
  Window() = default;
  virtual ~Window();
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;

  HWND Handle() const { return hwnd_; }

 protected:
  // Registers the window class (once per name) and creates the window.
  bool CreateWindowObject(const char* className, DWORD style, DWORD exStyle, const std::string& caption, int x,
                          int y, int width, int height, HWND parent, HMENU menu = nullptr);
  // Handles one message; the default passes it to DefWindowProc.
  virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT DefaultHandling(UINT message, WPARAM wParam, LPARAM lParam);

 private:
  static LRESULT CALLBACK StaticWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  HWND hwnd_ = nullptr;
};

}  // namespace vb::ui
