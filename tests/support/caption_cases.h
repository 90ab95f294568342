// The states in which the caption checks of every window layer look at each control: the
// main window with its widest values on every display line, and the value dialog's
// longest titles, prompts and entries.
#pragma once

namespace abacone {

struct MainWindowCase {
    const char* State;
    const char* Keys;  // typed from a cleared calculator
    const char* Decimal;
};

inline constexpr MainWindowCase MainWindowCaptionCases[] = {
    {"at start", "", "0"},
    {"largest entry", "99999999999999=mn", "99999999999999"},
    {"a third below zero", "0-1/3=mn", "-0.333333333333333"},
    {"minus one", "0-1=mn", "-1"},
};

struct ValueDialogCase {
    const char* Title;
    const char* Prompt;
    const char* Typed;
};

inline constexpr ValueDialogCase ValueDialogCaptionCases[] = {
    {"X の Y 乗", "X を入力(単位:度)", "-0.333333333333333"},
    {"Exor X", "X を入力", "99999999999999"},
};

}  // namespace abacone
