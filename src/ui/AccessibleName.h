#pragma once
// A window's own accessible name. System controls read to MSAA clients through
// the system's standard client object, which names a control by its text or
// by the label before it; where that gives the wrong name (a drop-down list
// reads as its selected item, a list has no label) the window answers
// WM_GETOBJECT with the standard object renamed: every other property, the
// children and the events stay the system's.
#include <windows.h>

#include <string>

namespace vb::ui {

// Answers WM_GETOBJECT for the window's client object; 0 for any other object
// (the window's own handling answers those).
LRESULT AnswerWithAccessibleName(HWND window, const std::string& name, WPARAM wParam, LPARAM lParam);

}  // namespace vb::ui
