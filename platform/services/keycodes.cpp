#include "platform/services/keycodes.h"

#include <array>
#include <utility>

namespace abacone {

std::string KeyName(int vk) {
    if ((vk >= '0' && vk <= '9') || (vk >= 'A' && vk <= 'Z')) return std::string(1, char(vk));
    // Appended rather than "F" + ..., which trips a false -Wrestrict in GCC 12 (MinGW).
    if (vk >= vk::F1 && vk <= vk::F24) return std::string("F").append(std::to_string(vk - vk::F1 + 1));
    if (vk >= vk::Numpad0 && vk <= vk::Numpad0 + 9) return std::string("Num ").append(std::to_string(vk - vk::Numpad0));
    static constexpr std::array<std::pair<int, const char*>, 28> names{{
        {vk::Back, "BkSp"},      {vk::Tab, "Tab"},     {vk::Clear, "Clear"},    {vk::Return, "Enter"},
        {vk::Escape, "Esc"},     {vk::Space, "Space"}, {vk::Prior, "PgUp"},     {vk::Next, "PgDn"},
        {vk::End, "End"},        {vk::Home, "Home"},   {vk::Left, "Left"},      {vk::Up, "Up"},
        {vk::Right, "Right"},    {vk::Down, "Down"},   {vk::Insert, "Ins"},     {vk::Delete, "Del"},
        {vk::Multiply, "Num *"}, {vk::Add, "Num +"},   {vk::Subtract, "Num -"}, {vk::Decimal, "Num Del"},
        {vk::Divide, "Num /"},   {vk::Oem1, ";"},      {vk::OemPlus, "="},      {vk::OemComma, ","},
        {vk::OemMinus, "-"},     {vk::OemPeriod, "."}, {vk::Oem2, "/"},         {vk::Apps, "Menu"},
    }};
    for (const auto& [code, name] : names)
        if (code == vk) return name;
    return {};
}

std::string ShortcutText(int code) {
    if (code == 0) return {};
    std::string text;
    if (code & scShift) text += "Shift+";
    if (code & scCtrl) text += "Ctrl+";
    if (code & scAlt) text += "Alt+";
    return text + KeyName(code & 0xFF);
}

}  // namespace abacone
