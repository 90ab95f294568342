// The start-up baseline under Wine: a bare Win32 window of the calculator's shape (client
// 173 x 76, stay-on-top, two display labels, 28 small framed labels), with no engine and
// no menu; scripts/bench.sh measures it beside abacone.exe.
#include <windows.h>

namespace {

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

HWND Label(HWND parent, const wchar_t* text, DWORD style, int x, int y, int width, int height) {
    return CreateWindowExW(0, L"STATIC", text, WS_CHILD | WS_VISIBLE | style, x, y, width, height, parent, nullptr,
                           GetModuleHandleW(nullptr), nullptr);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = L"Baseline";
    RegisterClassW(&windowClass);
    const DWORD style = WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
    RECT frame{0, 0, 173, 76};
    AdjustWindowRectEx(&frame, style, FALSE, WS_EX_TOPMOST);
    const HWND window =
        CreateWindowExW(WS_EX_TOPMOST, L"Baseline", L"Baseline", style, CW_USEDEFAULT, CW_USEDEFAULT,
                        frame.right - frame.left, frame.bottom - frame.top, nullptr, nullptr, instance, nullptr);
    Label(window, L"0", SS_RIGHT, 0, 0, 172, 16);
    Label(window, L"0", SS_RIGHT, 0, 16, 156, 12);
    static const wchar_t* const captions[28] = {
        L"7", L"8",   L"9",    L"＋", L"Ｃ",  L"4",  L"5", L"6",   L"－", L"±", L"C&E", L"1", L"2", L"3",
        L"×", L"Hex", L"Copy", L"0",  L" ．", L"＝", L"÷", L"Bin", L"←",  L"h", L"+",   L"R", L"M", L"N"};
    for (int i = 0; i < 28; ++i)
        Label(window, captions[i], SS_CENTER | WS_BORDER | SS_NOPREFIX, (i % 7) * 24, 28 + (i / 7) * 12, 24, 12);
    ShowWindow(window, show);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}
