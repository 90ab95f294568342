// The fixed key order, through the neutral window layer: the cases every implementation
// of it must pass, written in the program's own virtual-key codes and characters.
#include <gtest/gtest.h>

#include "tests/support/recording_messages.h"
#include "tests/window/test_form.h"

namespace abacone {
namespace {

KeyStroke Stroke(int vk, const char* mods, char32_t ch = 0, bool autoRepeat = false) {
    const std::string m = mods;
    return {vk,
            m.find('S') != std::string::npos,
            m.find('C') != std::string::npos,
            m.find('A') != std::string::npos,
            ch,
            autoRepeat};
}

TEST(KeyDispatch, FixedOrderMenuThenKeyDownThenButtonsThenCharacter) {
    const struct {
        KeyStroke Key;
        bool Taken;
        const char* Log;
        // clang-format off
    } cases[] = {
        {Stroke('C', "C", 3), true, "menu:Copy "},  // the menu takes it whole
        {Stroke('C', "SC", 3), false, "down:67 press:3 "},
        {Stroke(vk::End, "C"), true, "menu:Exit "},            // hidden submenu
        {Stroke(vk::End, "C", 0, true), true, ""},             // held: taken, nothing done
        {Stroke(vk::End, ""), false, "down:35 "},
        {Stroke(vk::F(5), ""), true, "down:116 "},             // taken by KeyDown: no character
        {Stroke('A', "", U'a'), false, "down:65 press:97 "},   // the focused control types it
        {Stroke('X', "", U'x'), true, "down:88 press:120 "},   // KeyPress swallowed it
        {Stroke(vk::Tab, "", U'\t'), false, ""},               // focus only
        {Stroke(vk::Tab, "C", U'\t'), false, "down:9 press:9 "},
        {Stroke(vk::Return, "", U'\r'), true, "down:13 click:Enter "},
        {Stroke('C', "A"), true, "down:67 click:Cancel "},
        {Stroke('E', "A"), true, "down:69 click:Enter "},
        {Stroke(vk::Apps, "S"), false, "down:93 "},  // the menu key opens the menu only unshifted
    };
    // clang-format on
    for (const auto& c : cases) {
        TestForm form;
        EXPECT_EQ(form.DispatchKey(c.Key), c.Taken) << c.Log;
        EXPECT_EQ(form.log, c.Log) << ShortcutText(ShortcutCode(c.Key));
    }
}

TEST(KeyDispatch, HandlerErrorsAreShownAndTheWindowGoesOn) {
    RecordingMessages messages;
    SetMessages(&messages);
    TestForm form;
    form.DispatchKey(Stroke('Q', "C", 17));
    form.DispatchKey(Stroke('C', "C", 3));
    SetMessages(nullptr);
    EXPECT_EQ(messages.Texts(), std::vector<std::string>{"bad"});
    EXPECT_EQ(form.log, "menu:Copy ");
    EXPECT_EQ(form.afterEvents, 2);
}

}  // namespace
}  // namespace abacone
