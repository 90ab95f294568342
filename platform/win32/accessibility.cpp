// What Windows' screen readers get of the program-drawn panels, through WM_GETOBJECT and
// Active Accessibility: keys are push buttons with a "press" default action, displays
// read-only text whose value is what they show; names and descriptions come from the
// layout tables. What the system's proxy knows better (place, parent, neighbours, focus)
// is asked of it. A display's announcement is a value change event.
#include <ole2.h>
#include <oleacc.h>

#include "platform/win32/win32_window.h"

namespace abacone {
namespace {

// Not IID_IAccessible: MinGW's import library of oleacc.dll gives that name to a jump
// thunk, whose bytes no system takes for the interface's identifier.
const IID& AccessibleId() { return __uuidof(IAccessible); }

}  // namespace

struct Panel::Impl::Accessible final : IAccessible {
    explicit Accessible(Panel::Impl& owner) : panel(&owner) {
        CreateStdAccessibleObject(owner.hwnd, OBJID_CLIENT, AccessibleId(), reinterpret_cast<void**>(&proxy));
    }
    ~Accessible() {
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

    // IAccessible: the panel itself is the only child id it answers for.
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* out) override {
        return Text(child, out,
                    [](const Panel::Impl& p) { return p.accessibleName.empty() ? p.caption : p.accessibleName; });
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* out) override {
        return Text(child, out, [](const Panel::Impl& p) {
            if (p.role != PanelRole::Display) return std::wstring();
            return p.spoken.empty() ? p.caption : p.spoken;
        });
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* out) override {
        return Text(child, out, [](const Panel::Impl& p) {
            return p.accessibleDescription.empty() ? Widen(p.hint) : p.accessibleDescription;
        });
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* out) override {
        return Text(child, out, [](const Panel::Impl& p) {
            return p.role == PanelRole::Key && p.face.OnClick ? std::wstring(L"押す") : std::wstring();
        });
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* out) override {
        if (HRESULT bad = Check(child, out)) return bad;
        out->vt = VT_I4;
        switch (panel->role) {
        case PanelRole::Key: out->lVal = ROLE_SYSTEM_PUSHBUTTON; break;
        case PanelRole::Display: out->lVal = ROLE_SYSTEM_TEXT; break;
        case PanelRole::Plain: out->lVal = panel->caption.empty() ? ROLE_SYSTEM_CLIENT : ROLE_SYSTEM_STATICTEXT; break;
        }
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* out) override {
        if (HRESULT bad = Check(child, out)) return bad;
        LONG state = 0;
        if (VARIANT known; proxy && SUCCEEDED(proxy->get_accState(child, &known)) && known.vt == VT_I4)
            state = known.lVal;
        if (panel->role == PanelRole::Display) state |= STATE_SYSTEM_READONLY;
        if (panel->pressed) state |= STATE_SYSTEM_PRESSED;
        out->vt = VT_I4;
        out->lVal = state;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
        if (HRESULT bad = Check(child, nullptr)) return bad;
        if (panel->role != PanelRole::Key || !panel->face.OnClick) return DISP_E_MEMBERNOTFOUND;
        PostMessageW(panel->hwnd, WM_ABACONE_PRESS, 0, 0);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* out) override {
        return Text(child, out, [](const Panel::Impl&) { return std::wstring(); });
    }
    HRESULT STDMETHODCALLTYPE get_accChildCount(long* count) override {
        if (!count) return E_POINTER;
        *count = 0;
        return panel ? S_OK : RPC_E_DISCONNECTED;
    }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT, IDispatch** out) override {
        if (!out) return E_POINTER;
        *out = nullptr;
        return panel ? S_FALSE : RPC_E_DISCONNECTED;
    }

    // Asked of the system's proxy for the panel's window.
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

    // Null once the panel is gone: a reader may hold the object longer.
    Panel::Impl* panel;
    IAccessible* proxy = nullptr;
    LONG refs = 1;

private:
    bool Live() const { return panel && proxy; }
    HRESULT Check(const VARIANT& child, void* out) const {
        if (!panel) return RPC_E_DISCONNECTED;
        if (child.vt != VT_I4 || child.lVal != CHILDID_SELF) return E_INVALIDARG;
        if (out) static_cast<VARIANT*>(out)->vt = VT_EMPTY;
        return S_OK;
    }
    template <class Get>
    HRESULT Text(const VARIANT& child, BSTR* out, Get get) const {
        if (!out) return E_POINTER;
        *out = nullptr;
        if (HRESULT bad = Check(child, nullptr)) return bad;
        const std::wstring text = get(*panel);
        if (text.empty()) return S_FALSE;
        *out = SysAllocStringLen(text.data(), UINT(text.size()));
        return *out ? S_OK : E_OUTOFMEMORY;
    }
};

LRESULT Panel::Impl::AnswerObjectRequest(WPARAM wParam, LPARAM lParam) {
    if (static_cast<LONG>(lParam) != OBJID_CLIENT || role == PanelRole::Plain)
        return DefWindowProcW(hwnd, WM_GETOBJECT, wParam, lParam);
    // Handing the object over marshals it: the thread needs COM, once.
    static const bool com = SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED));
    (void)com;
    if (!accessible) accessible = new Accessible(*this);
    return LresultFromObject(AccessibleId(), wParam, accessible);
}

void Panel::Impl::ReleaseAccessible() {
    if (!accessible) return;
    accessible->panel = nullptr;
    accessible->Release();
    accessible = nullptr;
}

void Panel::SetRole(PanelRole role) { impl_.role = role; }
PanelRole Panel::Role() const { return impl_.role; }
void Panel::SetAccessibleName(std::string_view name) { impl_.accessibleName = Widen(name); }
void Panel::SetAccessibleDescription(std::string_view text) { impl_.accessibleDescription = Widen(text); }

// The system's edit box and button take their names from their windows; not yet renamed.
void Edit::SetAccessibleName(std::string_view) {}
void Button::SetAccessibleName(std::string_view) {}
void Button::SetAccessibleDescription(std::string_view) {}
void Form::SetFocusHome(Panel*) {}

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
