// Fonts, and the ink of captions measured for the placement that platform/caption_fit.h
// decides, as on Linux.
#include <algorithm>
#include <map>
#include <tuple>

#include "platform/caption_fit.h"
#include "platform/win32/win32_window.h"

namespace abacone {
namespace {

constexpr wchar_t WindowsFace[] = L"ＭＳ ゴシック";

struct FaceSearch {
    std::wstring exact, fixedGothic, anyGothic;
};

int CALLBACK OnFace(const LOGFONTW* font, const TEXTMETRICW* metric, DWORD, LPARAM data) {
    auto& found = *reinterpret_cast<FaceSearch*>(data);
    const std::wstring name = font->lfFaceName;
    if (name.empty() || name[0] == L'@') return 1;  // the vertical variants
    if (name == WindowsFace || name == L"MS Gothic") found.exact = name;
    const bool gothic = name.find(L"Gothic") != std::wstring::npos || name.find(L"ゴシック") != std::wstring::npos;
    // TMPF_FIXED_PITCH set means a proportional face.
    const bool fixed = !(metric->tmPitchAndFamily & TMPF_FIXED_PITCH);
    if (gothic && fixed && found.fixedGothic.empty()) found.fixedGothic = name;
    if (gothic && found.anyGothic.empty()) found.anyGothic = name;
    return 1;
}

// What makes one font differ from another; the colour does not.
using FontKey = std::tuple<int, bool, bool>;
FontKey KeyOf(const FontSpec& s) { return {s.PixelSize, s.Bold, s.Italic}; }

FontSpec Sized(FontSpec spec, int pixels) {
    spec.PixelSize = pixels;
    return spec;
}

int Ascent(const FontSpec& font) {
    const HDC dc = CreateCompatibleDC(nullptr);
    const HGDIOBJ old = SelectObject(dc, FontFor(font));
    TEXTMETRICW tm{};
    GetTextMetricsW(dc, &tm);
    SelectObject(dc, old);
    DeleteDC(dc);
    return tm.tmAscent;
}

// RECTs here count their right and bottom pixels inside.
Box ToBox(const RECT& r) {
    return r.right < r.left ? Box{} : Box{r.left, r.top, r.right - r.left + 1, r.bottom - r.top + 1};
}

CaptionMeasure MeasureOf(const FontSpec& font, const std::wstring& text) {
    static const std::wstring reference(CaptionReference,
                                        CaptionReference + std::char_traits<char>::length(CaptionReference));
    return {[font, text](int size) { return ToBox(InkBox(Sized(font, size), text)); },
            [font](int size) { return ToBox(InkBox(Sized(font, size), reference)); },
            [font](int size) { return Ascent(Sized(font, size)); }};
}

// Cached, since the answer depends only on the face and the height.
int SizeForHeight(const FontSpec& font, int height) {
    static std::map<std::pair<FontKey, int>, int> cache;
    const auto key = std::make_pair(KeyOf(font), height);
    if (auto it = cache.find(key); it != cache.end()) return it->second;
    return cache[key] = CaptionSizeForHeight(MeasureOf(font, {}), font.PixelSize, height);
}

}  // namespace

void DrawGlyphs(HDC dc, const FontSpec& font, POINT origin, const std::wstring& text) {
    TextOutW(dc, origin.x, origin.y, text.c_str(), int(text.size()));
    if (font.Bold) TextOutW(dc, origin.x + BoldOffset(font), origin.y, text.c_str(), int(text.size()));
}

const std::wstring& GothicFace() {
    static const std::wstring face = [] {
        FaceSearch found;
        LOGFONTW want{};
        want.lfCharSet = SHIFTJIS_CHARSET;
        const HDC dc = GetDC(nullptr);
        EnumFontFamiliesExW(dc, &want, OnFace, reinterpret_cast<LPARAM>(&found), 0);
        ReleaseDC(nullptr, dc);
        if (!found.exact.empty()) return found.exact;
        if (!found.fixedGothic.empty()) return found.fixedGothic;
        if (!found.anyGothic.empty()) return found.anyGothic;
        return std::wstring(WindowsFace);  // the system's own substitution decides
    }();
    return face;
}

HFONT FontFor(const FontSpec& spec) {
    static std::map<FontKey, HFONT> fonts;
    const FontKey key = KeyOf(spec);
    if (auto it = fonts.find(key); it != fonts.end()) return it->second;
    // The Shift-JIS character set is what finds the Japanese face; a negative height is
    // the character height in pixels, as the layout tables give it.
    // Regular weight: bold is struck twice, a pixel apart (DrawGlyphs).
    const HFONT font = CreateFontW(-spec.PixelSize, 0, 0, 0, FW_NORMAL, spec.Italic, FALSE, FALSE, SHIFTJIS_CHARSET,
                                   OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, NONANTIALIASED_QUALITY,
                                   FIXED_PITCH | FF_MODERN, GothicFace().c_str());
    fonts[key] = font;
    return font;
}

RECT InkBox(const FontSpec& font, const std::wstring& text) {
    RECT none{0, 0, -1, -1};
    if (text.empty()) return none;
    static std::map<std::pair<FontKey, std::wstring>, RECT> cache;
    const auto key = std::make_pair(KeyOf(font), text);
    if (auto it = cache.find(key); it != cache.end()) return it->second;

    const HDC dc = CreateCompatibleDC(nullptr);
    const HGDIOBJ oldFont = SelectObject(dc, FontFor(font));
    SIZE extent{};
    GetTextExtentPoint32W(dc, text.c_str(), int(text.size()), &extent);
    extent.cx += std::max(1, BoldOffset(font));
    TEXTMETRICW tm{};
    GetTextMetricsW(dc, &tm);
    const int pad = tm.tmHeight;
    const int w = extent.cx + 2 * pad, h = tm.tmHeight + 2 * pad;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = w;
    info.bmiHeader.biHeight = -h;  // top-down rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    const HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    const HGDIOBJ oldBitmap = SelectObject(dc, bitmap);
    RECT all{0, 0, w, h};
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(255, 255, 255));
    SetTextAlign(dc, TA_BASELINE | TA_LEFT);
    const POINT origin{pad, pad + tm.tmAscent};
    DrawGlyphs(dc, font, origin, text);
    GdiFlush();
    RECT ink{w, h, -1, -1};
    const auto* pixel = static_cast<const DWORD*>(bits);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (pixel[y * w + x] & 0xFFFFFF) {
                ink.left = std::min<LONG>(ink.left, x);
                ink.right = std::max<LONG>(ink.right, x);
                ink.top = std::min<LONG>(ink.top, y);
                ink.bottom = std::max<LONG>(ink.bottom, y);
            }
    SelectObject(dc, oldBitmap);
    SelectObject(dc, oldFont);
    DeleteObject(bitmap);
    DeleteDC(dc);
    RECT result = none;
    if (ink.right >= 0) result = {ink.left - origin.x, ink.top - origin.y, ink.right - origin.x, ink.bottom - origin.y};
    // The displays show a new text with nearly every key: keep the cache small.
    if (cache.size() >= 512) cache.clear();
    cache[key] = result;
    return result;
}

CaptionLayout FitCaption(const FontSpec& font, const std::wstring& text, RECT area, Align alignment) {
    const CaptionFit fit =
        FitCaption(MeasureOf(font, text), SizeForHeight(font, area.bottom - area.top + 1), ToBox(area), alignment);
    return {Sized(font, fit.Size), POINT{fit.Origin.X, fit.Origin.Y}};
}

}  // namespace abacone
