// Which window system the program asks Qt for, and what it tells the user about it.
#include "platform/qt/platform_choice.h"

#include <gtest/gtest.h>

namespace abacone {
namespace {

TEST(PlatformChoice, X11WheneverADisplayIsThereAndNothingWasAskedFor) {
    struct Case {
        const char* requested;
        const char* display;
        const char* chosen;
        // clang-format off
    } cases[] = {
        {nullptr, ":0", "xcb"}, {"", ":1", "xcb"},          {nullptr, nullptr, ""},
        {nullptr, "", ""},      {"wayland", ":0", ""},      {"offscreen", nullptr, ""},
    };
    // clang-format on
    for (const auto& c : cases)
        EXPECT_EQ(PreferredPlatform(c.requested, c.display), c.chosen)
            << (c.requested ? c.requested : "-") << " " << (c.display ? c.display : "-");
}

TEST(PlatformChoice, OnlyWaylandIsToldAboutMissingFeatures) {
    for (const char* quiet : {"xcb", "offscreen", "windows", ""}) EXPECT_EQ(SessionLimitsNotice(quiet), "") << quiet;
    for (const char* told : {"wayland", "wayland-egl"}) {
        const std::string line = SessionLimitsNotice(told);
        EXPECT_NE(line.find("stay-on-top"), std::string::npos);
        EXPECT_EQ(line.find('\n'), std::string::npos) << "one line";
    }
}

}  // namespace
}  // namespace abacone
