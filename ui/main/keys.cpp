#include <string_view>

#include "platform/services/keycodes.h"
#include "ui/main/form1.h"

namespace abacone {
namespace {

using F = TForm1;

// Typed characters. Letters are listed in both cases.
struct CharKey {
    std::u32string_view Chars;
    void (F::*Handler)();
};
// clang-format off
constexpr CharKey kCharKeys[] = {
    {U"0", &F::LabelS0Click}, {U"1", &F::LabelS1Click},   {U"2", &F::LabelS2Click},
    {U"3", &F::LabelS3Click}, {U"4", &F::LabelS4Click},   {U"5", &F::LabelS5Click},
    {U"6", &F::LabelS6Click}, {U"7", &F::LabelS7Click},   {U"8", &F::LabelS8Click},
    {U"9", &F::LabelS9Click}, {U".", &F::LabelSAClick},   {U"+", &F::LabelF1Click},
    {U"-", &F::LabelF2Click}, {U"*", &F::LabelF3Click},   {U"/", &F::LabelF4Click},
    {U"\\", &F::Panel24Click}, {U"=", &F::Btn_EquClick},  {U"\b", &F::LabelF6Click},
    {U" Zz", &F::LabelF9Click}, {U"\"Bb", &F::Label4Click}, {U"Mm", &F::Mem1Click},
    {U"Nn", &F::M2Click},     {U"Rr", &F::RM1Click},      {U"Ee", &F::RM2Click},
};
// clang-format on

// Virtual keys; modifiers are not looked at (Tab arrives here only with Ctrl).
struct VirtualKey {
    int Key;
    void (F::*Handler)();
};
// clang-format off
constexpr VirtualKey kVirtualKeys[] = {
    {vk::End, &F::LabelF8Click},    {vk::Tab, &F::LabelF8Click},  {vk::Return, &F::Btn_EquClick},
    {vk::Next, &F::Btn_EquClick},   {vk::Escape, &F::LabelF5Click}, {vk::Home, &F::LabelF5Click},
    {vk::Prior, &F::Label4Click},   {vk::Delete, &F::LabelF6Click},
};
// clang-format on

}  // namespace

void TForm1::Get_Key_Press(char32_t& key) {
    for (const CharKey& k : kCharKeys)
        if (k.Chars.find(key) != std::u32string_view::npos) return (this->*k.Handler)();
}

void TForm1::Get_Key_Down(int key) {
    for (const VirtualKey& k : kVirtualKeys)
        if (k.Key == key) return (this->*k.Handler)();
}

bool TForm1::KeyDown(const KeyStroke& stroke) {
    Get_Key_Down(stroke.Vk);
    return false;  // the key still types its character
}

void TForm1::KeyPress(char32_t& key) { Get_Key_Press(key); }

}  // namespace abacone
