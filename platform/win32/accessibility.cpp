// What Windows' screen readers get through WM_GETOBJECT and Active Accessibility: the
// program-drawn keys are push buttons with a "press" default action, its displays read-only
// text whose value is what they show; names and descriptions come from the layout tables,
// also for the system's edit boxes and buttons. What the system's proxy knows better
// (place, parent, neighbours, focus, and all of a plain panel) is asked of it. A display's
// announcement is a value change event.
#include <ole2.h>
#include <oleacc.h>

#include "platform/win32/win32_window.h"

namespace abacone {
namespace {

// Not IID_IAccessible: MinGW's import library of oleacc.dll gives that name to a jump
// thunk, whose bytes no system takes for the interface's identifier.
const IID& AccessibleId() { return __uuidof(IAccessible); }

LRESULT CALLBACK ControlProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR data);

// Requests the program does not answer go on to the window's own procedure.
LRESULT DefSubclassOrWindowProc(HWND hwnd, Panel::Impl* panel, WPARAM wParam, LPARAM lParam) {
    return panel ? DefWindowProcW(hwnd, WM_GETOBJECT, wParam, lParam)
                 : DefSubclassProc(hwnd, WM_GETOBJECT, wParam, lParam);
}

}  // namespace

struct AccessibleTold::Object final : IAccessible {
    Object(HWND hwnd, AccessibleTold& told, Panel::Impl* panel) : told(&told), panel(panel) {
        CreateStdAccessibleObject(hwnd, OBJID_CLIENT, AccessibleId(), reinterpret_cast<void**>(&proxy));
    }
    ~Object() {
        if (proxy) proxy->Release();
    }

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** out) override {
        if (!out) return E_POINTER;
        if (id == __uuidof(IUnknown) || id == __uuidof(IDispatch) || id == AccessibleId()) {
            *out = static_cast<IAccessible*>(this);
            AddRef();
            return S_OK;
        }
        *out = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return InterlockedIncrement(&refs); }
    ULONG STDMETHODCALLTYPE Release() override {
        const LONG left = InterlockedDecrement(&refs);
        if (left == 0) delete this;
        return left;
    }

    // IDispatch: readers call the interface directly.
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
        *count = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override {
        return E_NOTIMPL;
    }

    // IAccessible. The window itself is the only child id answered here; the rest is the
    // proxy's, and so is all that the program does not tell.
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* out) override {
        if (Told(child) && !told->name.empty()) return Text(told->name, out);
        if (Panel::Impl* p = Drawn(child)) return Text(p->caption, out);
        return Live() ? proxy->get_accName(child, out) : RPC_E_DISCONNECTED;
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* out) override {
        if (Told(child) && !told->description.empty()) return Text(told->description, out);
        if (Panel::Impl* p = Drawn(child)) return Text(Widen(p->hint), out);
        return Live() ? proxy->get_accDescription(child, out) : RPC_E_DISCONNECTED;
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* out) override {
        if (Panel::Impl* p = Drawn(child))
            return Text(p->role == PanelRole::Display ? p->caption : std::wstring(), out);
        return Live() ? proxy->get_accValue(child, out) : RPC_E_DISCONNECTED;
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* out) override {
        if (Panel::Impl* p = Drawn(child)) return Text(IsKey(*p) ? L"押す" : L"", out);
        return Live() ? proxy->get_accDefaultAction(child, out) : RPC_E_DISCONNECTED;
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* out) override {
        Panel::Impl* p = Drawn(child);
        if (!p) return Live() ? proxy->get_accRole(child, out) : RPC_E_DISCONNECTED;
        out->vt = VT_I4;
        switch (p->role) {
        case PanelRole::Key: out->lVal = ROLE_SYSTEM_PUSHBUTTON; break;
        case PanelRole::Display: out->lVal = ROLE_SYSTEM_TEXT; break;
        case PanelRole::Plain: out->lVal = p->caption.empty() ? ROLE_SYSTEM_CLIENT : ROLE_SYSTEM_STATICTEXT; break;
        }
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* out) override {
        if (!Live()) return RPC_E_DISCONNECTED;
        const HRESULT known = proxy->get_accState(child, out);
        Panel::Impl* p = Drawn(child);
        if (!p || FAILED(known) || out->vt != VT_I4) return known;
        if (p->role == PanelRole::Display) out->lVal |= STATE_SYSTEM_READONLY;
        if (p->role != PanelRole::Plain) out->lVal |= STATE_SYSTEM_FOCUSABLE;
        if (p->pressed) out->lVal |= STATE_SYSTEM_PRESSED;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
        Panel::Impl* p = Drawn(child);
        if (!p) return Live() ? proxy->accDoDefaultAction(child) : RPC_E_DISCONNECTED;
        if (!IsKey(*p)) return DISP_E_MEMBERNOTFOUND;
        PostMessageW(p->hwnd, WM_ABACONE_PRESS, 0, 0);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* out) override {
        return Live() ? proxy->get_accKeyboardShortcut(child, out) : RPC_E_DISCONNECTED;
    }
    HRESULT STDMETHODCALLTYPE get_accChildCount(long* count) override {
        return Live() ? proxy->get_accChildCount(count) : RPC_E_DISCONNECTED;
    }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** out) override {
        return Live() ? proxy->get_accChild(child, out) : RPC_E_DISCONNECTED;
    }
    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** out) override {
        return Live() ? proxy->get_accParent(out) : RPC_E_DISCONNECTED;
    }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* out) override {
        return Live() ? proxy->get_accHelp(child, out) : RPC_E_DISCONNECTED;
    }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, long* topic) override {
        return Live() ? proxy->get_accHelpTopic(file, child, topic) : RPC_E_DISCONNECTED;
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* out) override {
        return Live() ? proxy->get_accFocus(out) : RPC_E_DISCONNECTED;
    }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* out) override {
        return Live() ? proxy->get_accSelection(out) : RPC_E_DISCONNECTED;
    }
    HRESULT STDMETHODCALLTYPE accSelect(long flags, VARIANT child) override {
        return Live() ? proxy->accSelect(flags, child) : RPC_E_DISCONNECTED;
    }
    HRESULT STDMETHODCALLTYPE accLocation(long* x, long* y, long* w, long* h, VARIANT child) override {
        return Live() ? proxy->accLocation(x, y, w, h, child) : RPC_E_DISCONNECTED;
    }
    HRESULT STDMETHODCALLTYPE accNavigate(long direction, VARIANT start, VARIANT* out) override {
        return Live() ? proxy->accNavigate(direction, start, out) : RPC_E_DISCONNECTED;
    }
    HRESULT STDMETHODCALLTYPE accHitTest(long x, long y, VARIANT* out) override {
        return Live() ? proxy->accHitTest(x, y, out) : RPC_E_DISCONNECTED;
    }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT, BSTR) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT, BSTR) override { return E_NOTIMPL; }

    // Both null once the window's object is gone.
    AccessibleTold* told;
    Panel::Impl* panel;
    IAccessible* proxy = nullptr;
    LONG refs = 1;

private:
    bool Live() const { return told && proxy; }
    static bool Self(const VARIANT& child) { return child.vt == VT_I4 && child.lVal == CHILDID_SELF; }
    bool Told(const VARIANT& child) const { return told && Self(child); }
    Panel::Impl* Drawn(const VARIANT& child) const { return Self(child) ? panel : nullptr; }
    static bool IsKey(const Panel::Impl& p) { return p.role == PanelRole::Key && p.face.OnClick; }
    static HRESULT Text(const std::wstring& text, BSTR* out) {
        if (!out) return E_POINTER;
        *out = nullptr;
        if (text.empty()) return S_FALSE;
        *out = SysAllocStringLen(text.data(), UINT(text.size()));
        return *out ? S_OK : E_OUTOFMEMORY;
    }
};

AccessibleTold::~AccessibleTold() {
    if (subclassed) RemoveWindowSubclass(subclassed, ControlProc, 0);
    if (!object) return;
    object->told = nullptr;
    object->panel = nullptr;
    object->Release();
}

LRESULT AccessibleTold::Answer(HWND hwnd, Panel::Impl* panel, WPARAM wParam, LPARAM lParam) {
    const bool ours = panel ? panel->role != PanelRole::Plain : !name.empty() || !description.empty();
    if (static_cast<LONG>(lParam) != OBJID_CLIENT || !ours) return DefSubclassOrWindowProc(hwnd, panel, wParam, lParam);
    // Handing the object over marshals it: the thread needs COM, once.
    static const bool com = SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED));
    (void)com;
    if (!object) object = new Object(hwnd, *this, panel);
    return LresultFromObject(AccessibleId(), wParam, object);
}

namespace {

LRESULT CALLBACK ControlProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR data) {
    auto& told = *reinterpret_cast<AccessibleTold*>(data);
    if (message == WM_GETOBJECT) return told.Answer(hwnd, nullptr, wParam, lParam);
    if (message == WM_NCDESTROY) {
        RemoveWindowSubclass(hwnd, ControlProc, 0);
        told.subclassed = nullptr;
    }
    return DefSubclassProc(hwnd, message, wParam, lParam);
}

}  // namespace

void AnswerObjectRequests(HWND control, AccessibleTold& told) {
    if (SetWindowSubclass(control, ControlProc, 0, reinterpret_cast<DWORD_PTR>(&told))) told.subclassed = control;
}

void Panel::SetRole(PanelRole role) { impl_.role = role; }
PanelRole Panel::Role() const { return impl_.role; }
void Panel::SetAccessibleName(std::string_view name) { impl_.told.name = Widen(name); }
void Panel::SetAccessibleDescription(std::string_view text) { impl_.told.description = Widen(text); }
void Edit::SetAccessibleName(std::string_view name) { impl_.told.name = Widen(name); }
void Button::SetAccessibleName(std::string_view name) { impl_.told.name = Widen(name); }
void Button::SetAccessibleDescription(std::string_view text) { impl_.told.description = Widen(text); }

void Form::Announce(Panel& display, std::string_view words) {
    Panel::Impl& target = display.Native();
    std::wstring text = Widen(words);
    while (!text.empty() && text.back() == L' ') text.pop_back();
    // Only a change: there is no sign here of whether a key or a mouse move came before.
    if (text == target.spoken) return;
    target.spoken = std::move(text);
    NotifyWinEvent(EVENT_OBJECT_VALUECHANGE, target.hwnd, OBJID_CLIENT, CHILDID_SELF);
}

}  // namespace abacone
