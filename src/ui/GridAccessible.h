#pragma once
// An MSAA object for a window that draws a grid of cells itself: its children
// are the cells, each with a name, a place and a focused state that the window
// supplies. The window hands it out for WM_GETOBJECT; clients (screen readers)
// hold references of their own, so the window disconnects it when it goes and
// later calls fail cleanly.
#include <windows.h>
#include <oleacc.h>

#include <functional>
#include <memory>
#include <string>

namespace vb::ui {

class GridAccessible : public IAccessible {
 public:
  struct Source {
    std::string Name;                          // the grid's own name
    long Role = ROLE_SYSTEM_TABLE;
    long ChildRole = ROLE_SYSTEM_CELL;
    std::function<long()> Count;               // children
    std::function<std::string(long)> ChildName;  // child index 0..Count-1
    std::function<RECT(long)> ChildBounds;     // client coordinates
    std::function<long(POINT)> ChildAt;        // client point; -1 none
    std::function<long()> FocusedChild;        // -1 none
  };

  // Starts with one reference, the window's.
  static GridAccessible* Create(HWND window, Source source);
  // The window is going: drops its reference; later calls fail with CO_E_OBJNOTCONNECTED.
  void Disconnect();
  // Answers WM_GETOBJECT for the window's client object.
  LRESULT Answer(WPARAM wParam, LPARAM lParam);

  // IUnknown
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;
  // IDispatch (not scriptable)
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override {
    return E_NOTIMPL;
  }
  // IAccessible
  HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override;
  HRESULT STDMETHODCALLTYPE get_accChildCount(long* count) override;
  HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** dispatch) override;
  HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override;
  HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override;
  HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* description) override;
  HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override;
  HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override;
  HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override;
  HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, long* topic) override;
  HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override;
  HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* child) override;
  HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* children) override;
  HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override;
  HRESULT STDMETHODCALLTYPE accSelect(long flags, VARIANT child) override;
  HRESULT STDMETHODCALLTYPE accLocation(long* left, long* top, long* width, long* height, VARIANT child) override;
  HRESULT STDMETHODCALLTYPE accNavigate(long direction, VARIANT start, VARIANT* end) override;
  HRESULT STDMETHODCALLTYPE accHitTest(long left, long top, VARIANT* child) override;
  HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override;
  HRESULT STDMETHODCALLTYPE put_accName(VARIANT, BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_accValue(VARIANT, BSTR) override { return E_NOTIMPL; }

 private:
  GridAccessible(HWND window, Source source) : window_(window), source_(std::move(source)) {}
  virtual ~GridAccessible() = default;
  // The child index (0-based) of a VARIANT, -1 for the grid itself; false when invalid.
  bool ChildOf(const VARIANT& child, long& index) const;

  LONG references_ = 1;
  HWND window_;
  Source source_;
};

// The window's reference: dropped (and the object disconnected) with the holder.
struct DisconnectGridAccessible {
  void operator()(GridAccessible* grid) const { grid->Disconnect(); }
};
using GridAccessiblePtr = std::unique_ptr<GridAccessible, DisconnectGridAccessible>;

// A BSTR of an 8-bit text in the program's code page (null for empty).
BSTR ToBstr(const std::string& text);

}  // namespace vb::ui
