#pragma once
// What an MSAA client (a screen reader) reads of the program's windows.
#include <windows.h>
#include <oleacc.h>

#include <string>

namespace vb::test {

// The client object of a window, or null; the caller releases it.
inline IAccessible* AccessibleOf(HWND window) {
  IAccessible* object = nullptr;
  if (::AccessibleObjectFromWindow(window, static_cast<DWORD>(OBJID_CLIENT), IID_IAccessible,
                                   reinterpret_cast<void**>(&object)) != S_OK)
    return nullptr;
  return object;
}

inline VARIANT ChildId(long child) {
  VARIANT id;
  id.vt = VT_I4;
  id.lVal = child;
  return id;
}

// The name of the object (CHILDID_SELF) or of one of its children; "<none>" when it has none.
inline std::string AccessibleName(IAccessible* object, long child) {
  BSTR name = nullptr;
  if (object->get_accName(ChildId(child), &name) != S_OK || !name) return "<none>";
  const int size = ::WideCharToMultiByte(CP_ACP, 0, name, -1, nullptr, 0, nullptr, nullptr);
  std::string text(static_cast<std::size_t>(size > 0 ? size - 1 : 0), '\0');
  ::WideCharToMultiByte(CP_ACP, 0, name, -1, &text[0], size, nullptr, nullptr);
  ::SysFreeString(name);
  return text;
}

}  // namespace vb::test
