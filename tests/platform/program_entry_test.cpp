#include "platform/program_entry.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QWidget>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace abacone {
namespace {

TEST(RunProgram, AnErrorThatEscapesIsShownOnceAndTheExitCodeIsZero) {
    struct Case {
        const char* what;
        std::function<void()> steps;
        std::vector<std::string> shown;
        // clang-format off
    } cases[] = {
        {"no error", [] {}, {}},
        {"an error of start-up", [] { throw std::runtime_error("cannot create the window"); },
         {"cannot create the window"}},
        {"an error with windows up", [] {
             QWidget window;
             window.show();
             throw std::logic_error("lost");
         }, {"lost"}},
        {"an error that is no exception class", [] { throw 42; }, {"unknown error"}},
        {"an exception without a text", [] { throw std::runtime_error(""); }, {"unknown error"}},
    };
    // clang-format on
    int argc = 1;
    char name[] = "abacone";
    char* argv[] = {name, nullptr};
    for (const auto& c : cases) {
        std::vector<std::string> shown;
        const int code = RunProgram(argc, argv, c.steps, [&](std::string_view text) {
            EXPECT_EQ(QApplication::topLevelWidgets().size(), 0) << c.what << ": the windows are gone first";
            shown.emplace_back(text);
        });
        EXPECT_EQ(code, 0) << c.what;
        EXPECT_EQ(shown, c.shown) << c.what;
    }
}

}  // namespace
}  // namespace abacone
