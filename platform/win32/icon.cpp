// Icons from the program's XPM artwork, for the window frames and the taskbar.
#include <cstdio>
#include <cstring>
#include <map>
#include <sstream>

#include "platform/win32/win32_window.h"

namespace abacone {
namespace {

HICON bigIcon = nullptr, smallIcon = nullptr;

}  // namespace

HICON IconFromXpm(Xpm xpm) {
    int width = 0, height = 0, colours = 0, perPixel = 0;
    if (!xpm || std::sscanf(xpm[0], "%d %d %d %d", &width, &height, &colours, &perPixel) != 4 || width <= 0 ||
        height <= 0 || perPixel <= 0)
        return nullptr;
    // Each colour line: the pixel's characters, "c", then "#RRGGBB" or "None".
    std::map<std::string, std::uint32_t> palette;
    for (int i = 1; i <= colours; ++i) {
        const std::string line = xpm[i];
        std::istringstream rest(line.substr(std::size_t(perPixel)));
        std::string key, value;
        rest >> key >> value;
        std::uint32_t bgra = 0;  // None: transparent
        if (value.size() == 7 && value[0] == '#')
            bgra = 0xFF000000u | std::uint32_t(std::stoul(value.substr(1), nullptr, 16));
        palette[line.substr(0, std::size_t(perPixel))] = bgra;
    }
    BITMAPV5HEADER header{};
    header.bV5Size = sizeof header;
    header.bV5Width = width;
    header.bV5Height = -height;  // top-down rows
    header.bV5Planes = 1;
    header.bV5BitCount = 32;
    header.bV5Compression = BI_BITFIELDS;
    header.bV5RedMask = 0x00FF0000;
    header.bV5GreenMask = 0x0000FF00;
    header.bV5BlueMask = 0x000000FF;
    header.bV5AlphaMask = 0xFF000000;
    void* bits = nullptr;
    const HDC dc = GetDC(nullptr);
    const HBITMAP colour =
        CreateDIBSection(dc, reinterpret_cast<BITMAPINFO*>(&header), DIB_RGB_COLORS, &bits, nullptr, 0);
    ReleaseDC(nullptr, dc);
    if (!colour) return nullptr;
    auto* pixels = static_cast<std::uint32_t*>(bits);
    for (int y = 0; y < height; ++y) {
        const char* row = xpm[1 + colours + y];
        for (int x = 0; x < width; ++x) {
            const auto it = palette.find(std::string(row + std::size_t(x * perPixel), std::size_t(perPixel)));
            pixels[y * width + x] = it == palette.end() ? 0 : it->second;
        }
    }
    const HBITMAP mask = CreateBitmap(width, height, 1, 1, nullptr);  // unused with alpha
    ICONINFO info{TRUE, 0, 0, mask, colour};
    const HICON icon = CreateIconIndirect(&info);
    DeleteObject(mask);
    DeleteObject(colour);
    return icon;
}

HICON ApplicationSmallIcon() { return smallIcon; }

void ApplyApplicationIcon(HWND window) {
    if (bigIcon) SendMessageW(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(bigIcon));
    if (smallIcon) SendMessageW(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon));
}

void SetApplicationIcon(std::span<const Xpm> sizes) {
    // The largest picture for the taskbar and Alt+Tab, the smallest for the caption bar.
    Xpm big = nullptr, small = nullptr;
    int bigWidth = 0, smallWidth = 1 << 30;
    for (Xpm xpm : sizes) {
        int w = 0;
        if (!xpm || std::sscanf(xpm[0], "%d", &w) != 1) continue;
        if (w > bigWidth) big = xpm, bigWidth = w;
        if (w < smallWidth) small = xpm, smallWidth = w;
    }
    bigIcon = IconFromXpm(big);
    smallIcon = IconFromXpm(small);
    for (Form::Impl* f : LiveForms()) ApplyApplicationIcon(f->hwnd);
}

}  // namespace abacone
