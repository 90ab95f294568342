// What a Windows screen reader gets of the calculator, asked from another process through
// Active Accessibility: accessibility_reader.exe [KEY...] presses the named keys of the
// "Abacone" window through their default actions, then prints one line per child window
// of each shown window of the program: role number, name, value, default action and
// description, separated by tabs (UTF-8).
#define WIN32_LEAN_AND_MEAN
#include <windows.h>
// After windows.h, which they need.
#include <ole2.h>
#include <oleacc.h>
#include <shellapi.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

std::string Narrow(const wchar_t* text) {
    if (!text) return {};
    const int size = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    std::string out(size > 0 ? size - 1 : 0, '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, -1, out.data(), size, nullptr, nullptr);
    return out;
}

struct Object {
    IAccessible* Access = nullptr;
    long Role = 0;
    std::string Name, Value, Action, Description;
};

BOOL CALLBACK Collect(HWND child, LPARAM list) {
    reinterpret_cast<std::vector<HWND>*>(list)->push_back(child);
    return TRUE;
}

// __uuidof: MinGW's import library gives IID_IAccessible to a jump thunk.
Object Read(HWND window) {
    Object o;
    if (FAILED(AccessibleObjectFromWindow(window, OBJID_CLIENT, __uuidof(IAccessible),
                                          reinterpret_cast<void**>(&o.Access))))
        return o;
    VARIANT self{};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    const auto text = [&](HRESULT (STDMETHODCALLTYPE IAccessible::*get)(VARIANT, BSTR*)) {
        BSTR value = nullptr;
        (o.Access->*get)(self, &value);
        std::string out = Narrow(value);
        SysFreeString(value);
        return out;
    };
    VARIANT role{};
    if (SUCCEEDED(o.Access->get_accRole(self, &role)) && role.vt == VT_I4) o.Role = role.lVal;
    o.Name = text(&IAccessible::get_accName);
    o.Value = text(&IAccessible::get_accValue);
    o.Action = text(&IAccessible::get_accDefaultAction);
    o.Description = text(&IAccessible::get_accDescription);
    return o;
}

std::vector<Object> ReadEach(const std::vector<HWND>& children) {
    std::vector<Object> objects;
    for (HWND child : children) objects.push_back(Read(child));
    return objects;
}

std::vector<Object> ReadAll(HWND top) {
    std::vector<HWND> children;
    EnumChildWindows(top, Collect, reinterpret_cast<LPARAM>(&children));
    return ReadEach(children);
}

// The children of every shown window of the program that owns `top`.
std::vector<Object> ReadProgram(HWND top) {
    DWORD program = 0;
    GetWindowThreadProcessId(top, &program);
    std::vector<HWND> windows, children;
    EnumWindows(Collect, reinterpret_cast<LPARAM>(&windows));
    for (HWND w : windows) {
        DWORD owner = 0;
        GetWindowThreadProcessId(w, &owner);
        if (owner == program && IsWindowVisible(w)) EnumChildWindows(w, Collect, reinterpret_cast<LPARAM>(&children));
    }
    return ReadEach(children);
}

}  // namespace

int main() {
    // The key names in UTF-8 whatever the code page: from the wide command line.
    int argc = 0;
    wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &argc);
    std::vector<std::string> argv;
    for (int i = 0; i < argc; ++i) argv.push_back(Narrow(wide[i]));
    LocalFree(wide);
    CoInitialize(nullptr);
    const HWND top = FindWindowW(nullptr, L"Abacone");
    if (!top) {
        std::fprintf(stderr, "no calculator window\n");
        return 2;
    }
    VARIANT self{};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    for (int i = 1; i < argc; ++i) {
        bool pressed = false;
        for (Object& o : ReadAll(top)) {
            if (!pressed && o.Role == ROLE_SYSTEM_PUSHBUTTON && o.Name == argv[i])
                pressed = SUCCEEDED(o.Access->accDoDefaultAction(self));
            if (o.Access) o.Access->Release();
        }
        if (!pressed) std::fprintf(stderr, "could not press %s\n", argv[i].c_str());
        Sleep(200);  // the press runs from the calculator's message loop
    }
    for (Object& o : ReadProgram(top)) {
        std::printf("%ld\t%s\t%s\t%s\t%s\n", o.Role, o.Name.c_str(), o.Value.c_str(), o.Action.c_str(),
                    o.Description.c_str());
        if (o.Access) o.Access->Release();
    }
    return 0;
}
