// A small menu table with hidden entries, a hidden submenu, a separator and marks.
#pragma once

#include <string>
#include <vector>

#include "platform/menu.h"
#include "platform/services/keycodes.h"

namespace abacone {

struct MenuOwner {
    std::vector<std::string> calls;
    void Copy() { calls.push_back("Copy"); }
    void Up() { calls.push_back("Up"); }
    void Top() { calls.push_back("Top"); }
    void Exit() { calls.push_back("Exit"); }
};

constexpr MenuSpec<MenuOwner> kTable[] = {
    {0, "Copy", "複写 (&C)", scCtrl + 'C', 0, &MenuOwner::Copy},
    {0, "Move", "移動 (&F)", 0, 0, nullptr},
    {1, "Nudge", "微妙に移動 (&D)", 0, mfHidden, nullptr},
    {2, "Up", "上 (&U)", scCtrl + vk::Up, 0, &MenuOwner::Up},
    {1, "Sep", "-", 0, 0, nullptr},
    {1, "Top", "最上置 (&T)", scCtrl + 'T', mfChecked | mfRadio, &MenuOwner::Top},
    {0, "Exit1", "終了 (&X)", scCtrl + vk::End, mfHidden | mfFreshPress, &MenuOwner::Exit},
    {0, "Exit", "終了 (&X)", 0, 0, &MenuOwner::Exit},
};

}  // namespace abacone
