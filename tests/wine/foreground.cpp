// Prints the title of the window Wine takes as the foreground one, in UTF-8: the
// program's own view of activation, which the window manager's does not follow under Wine.
#include <windows.h>

#include <cstdio>

int main() {
    wchar_t title[256] = L"";
    if (HWND w = GetForegroundWindow()) GetWindowTextW(w, title, 256);
    char utf8[1024] = "";
    WideCharToMultiByte(CP_UTF8, 0, title, -1, utf8, sizeof utf8, nullptr, nullptr);
    std::fputs(utf8, stdout);
    return 0;
}
