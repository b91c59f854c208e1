#include "ui/GridAccessible.h"

#include <string>

namespace vb::ui {

BSTR ToBstr(const std::string& text) {
  if (text.empty()) return ::SysAllocString(L"");
  const int length = ::MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  ::MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), &wide[0], length);
  return ::SysAllocStringLen(wide.data(), static_cast<UINT>(wide.size()));
}

GridAccessible* GridAccessible::Create(HWND window, Source source) {
  // COM objects count their own references; the last Release deletes it.
  return new GridAccessible(window, std::move(source));
}

void GridAccessible::Disconnect() {
  window_ = nullptr;
  source_ = Source{};
  Release();
}

LRESULT GridAccessible::Answer(WPARAM wParam, LPARAM lParam) {
  if (static_cast<LONG>(lParam) != static_cast<LONG>(OBJID_CLIENT) || !window_) return 0;
  return ::LresultFromObject(IID_IAccessible, wParam, static_cast<IAccessible*>(this));
}

HRESULT GridAccessible::QueryInterface(REFIID riid, void** object) {
  if (!object) return E_POINTER;
  if (riid == IID_IUnknown || riid == IID_IDispatch || riid == IID_IAccessible) {
    *object = static_cast<IAccessible*>(this);
    AddRef();
    return S_OK;
  }
  *object = nullptr;
  return E_NOINTERFACE;
}

ULONG GridAccessible::AddRef() { return static_cast<ULONG>(::InterlockedIncrement(&references_)); }

ULONG GridAccessible::Release() {
  const LONG left = ::InterlockedDecrement(&references_);
  if (left == 0) delete this;
  return static_cast<ULONG>(left);
}

HRESULT GridAccessible::GetTypeInfoCount(UINT* count) {
  if (!count) return E_POINTER;
  *count = 0;
  return S_OK;
}

bool GridAccessible::ChildOf(const VARIANT& child, long& index) const {
  if (child.vt != VT_I4) return false;
  if (child.lVal == CHILDID_SELF) {
    index = -1;
    return true;
  }
  index = child.lVal - 1;
  return source_.Count && index >= 0 && index < source_.Count();
}

HRESULT GridAccessible::get_accParent(IDispatch** parent) {
  if (!parent) return E_POINTER;
  *parent = nullptr;
  if (!window_) return CO_E_OBJNOTCONNECTED;
  return ::AccessibleObjectFromWindow(window_, static_cast<DWORD>(OBJID_WINDOW), IID_IDispatch,
                                      reinterpret_cast<void**>(parent));
}

HRESULT GridAccessible::get_accChildCount(long* count) {
  if (!count) return E_POINTER;
  if (!window_) return CO_E_OBJNOTCONNECTED;
  *count = source_.Count ? source_.Count() : 0;
  return S_OK;
}

HRESULT GridAccessible::get_accChild(VARIANT child, IDispatch** dispatch) {
  if (!dispatch) return E_POINTER;
  *dispatch = nullptr;
  long index = 0;
  if (!window_) return CO_E_OBJNOTCONNECTED;
  // The cells are simple elements: their parent answers for them.
  return ChildOf(child, index) ? S_FALSE : E_INVALIDARG;
}

HRESULT GridAccessible::get_accName(VARIANT child, BSTR* name) {
  if (!name) return E_POINTER;
  *name = nullptr;
  long index = 0;
  if (!window_) return CO_E_OBJNOTCONNECTED;
  if (!ChildOf(child, index)) return E_INVALIDARG;
  *name = ToBstr(index < 0 ? source_.Name : source_.ChildName(index));
  return S_OK;
}

HRESULT GridAccessible::get_accValue(VARIANT, BSTR* value) {
  if (!value) return E_POINTER;
  *value = nullptr;
  return S_FALSE;
}

HRESULT GridAccessible::get_accDescription(VARIANT, BSTR* description) {
  if (!description) return E_POINTER;
  *description = nullptr;
  return S_FALSE;
}

HRESULT GridAccessible::get_accRole(VARIANT child, VARIANT* role) {
  if (!role) return E_POINTER;
  long index = 0;
  if (!window_) return CO_E_OBJNOTCONNECTED;
  if (!ChildOf(child, index)) return E_INVALIDARG;
  role->vt = VT_I4;
  role->lVal = index < 0 ? source_.Role : source_.ChildRole;
  return S_OK;
}

HRESULT GridAccessible::get_accState(VARIANT child, VARIANT* state) {
  if (!state) return E_POINTER;
  long index = 0;
  if (!window_) return CO_E_OBJNOTCONNECTED;
  if (!ChildOf(child, index)) return E_INVALIDARG;
  const bool focused = ::GetFocus() == window_;
  long flags = STATE_SYSTEM_FOCUSABLE;
  if (index < 0 ? focused : (focused && source_.FocusedChild && source_.FocusedChild() == index))
    flags |= STATE_SYSTEM_FOCUSED;
  // A cell scrolled out of the window's view.
  if (index >= 0 && source_.ChildBounds) {
    RECT client{}, both{};
    ::GetClientRect(window_, &client);
    const RECT cell = source_.ChildBounds(index);
    if (!::IntersectRect(&both, &client, &cell)) flags |= STATE_SYSTEM_OFFSCREEN;
  }
  state->vt = VT_I4;
  state->lVal = flags;
  return S_OK;
}

HRESULT GridAccessible::get_accHelp(VARIANT, BSTR* help) {
  if (!help) return E_POINTER;
  *help = nullptr;
  return S_FALSE;
}

HRESULT GridAccessible::get_accHelpTopic(BSTR* file, VARIANT, long* topic) {
  if (file) *file = nullptr;
  if (topic) *topic = 0;
  return S_FALSE;
}

HRESULT GridAccessible::get_accKeyboardShortcut(VARIANT, BSTR* shortcut) {
  if (!shortcut) return E_POINTER;
  *shortcut = nullptr;
  return S_FALSE;
}

HRESULT GridAccessible::get_accFocus(VARIANT* child) {
  if (!child) return E_POINTER;
  child->vt = VT_EMPTY;
  if (!window_) return CO_E_OBJNOTCONNECTED;
  if (::GetFocus() != window_) return S_FALSE;
  const long focused = source_.FocusedChild ? source_.FocusedChild() : -1;
  child->vt = VT_I4;
  child->lVal = focused < 0 ? CHILDID_SELF : focused + 1;
  return S_OK;
}

HRESULT GridAccessible::get_accSelection(VARIANT* children) {
  if (!children) return E_POINTER;
  children->vt = VT_EMPTY;
  return S_FALSE;
}

HRESULT GridAccessible::get_accDefaultAction(VARIANT, BSTR* action) {
  if (!action) return E_POINTER;
  *action = nullptr;
  return S_FALSE;
}

HRESULT GridAccessible::accSelect(long, VARIANT) { return DISP_E_MEMBERNOTFOUND; }

HRESULT GridAccessible::accLocation(long* left, long* top, long* width, long* height, VARIANT child) {
  if (!left || !top || !width || !height) return E_POINTER;
  long index = 0;
  if (!window_) return CO_E_OBJNOTCONNECTED;
  if (!ChildOf(child, index)) return E_INVALIDARG;
  RECT bounds{};
  if (index < 0 || !source_.ChildBounds) {
    ::GetClientRect(window_, &bounds);
  } else {
    bounds = source_.ChildBounds(index);
  }
  POINT corner{bounds.left, bounds.top};
  ::ClientToScreen(window_, &corner);
  *left = corner.x;
  *top = corner.y;
  *width = bounds.right - bounds.left;
  *height = bounds.bottom - bounds.top;
  return S_OK;
}

HRESULT GridAccessible::accNavigate(long direction, VARIANT start, VARIANT* end) {
  if (!end) return E_POINTER;
  end->vt = VT_EMPTY;
  long index = 0;
  if (!window_) return CO_E_OBJNOTCONNECTED;
  if (!ChildOf(start, index)) return E_INVALIDARG;
  const long count = source_.Count ? source_.Count() : 0;
  long to = -2;
  if (index < 0 && direction == NAVDIR_FIRSTCHILD && count > 0) to = 0;
  if (index < 0 && direction == NAVDIR_LASTCHILD && count > 0) to = count - 1;
  if (index >= 0 && direction == NAVDIR_NEXT && index + 1 < count) to = index + 1;
  if (index >= 0 && direction == NAVDIR_PREVIOUS && index > 0) to = index - 1;
  if (to < 0) return S_FALSE;
  end->vt = VT_I4;
  end->lVal = to + 1;
  return S_OK;
}

HRESULT GridAccessible::accHitTest(long left, long top, VARIANT* child) {
  if (!child) return E_POINTER;
  child->vt = VT_EMPTY;
  if (!window_) return CO_E_OBJNOTCONNECTED;
  POINT point{left, top};
  ::ScreenToClient(window_, &point);
  RECT client{};
  ::GetClientRect(window_, &client);
  if (!::PtInRect(&client, point)) return S_FALSE;
  const long index = source_.ChildAt ? source_.ChildAt(point) : -1;
  child->vt = VT_I4;
  child->lVal = index < 0 ? CHILDID_SELF : index + 1;
  return S_OK;
}

HRESULT GridAccessible::accDoDefaultAction(VARIANT) { return DISP_E_MEMBERNOTFOUND; }

}  // namespace vb::ui
