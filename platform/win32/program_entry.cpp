#include "platform/program_entry.h"

#include <cstdio>
#include <exception>
#include <string>

#include "platform/application.h"
#include "platform/win32/win32_window.h"

namespace abacone {

void ShowEntryError(std::string_view text) {
    // Also on the standard error, where one is attached: a box can be missed.
    std::fprintf(stderr, "%.*s\n", int(text.size()), text.data());
    MessageBoxW(nullptr, Widen(text).c_str(), Widen(ApplicationTitle()).c_str(), MB_OK | MB_ICONERROR | MB_TOPMOST);
}

int RunProgram(int&, char**, const std::function<void()>& steps, const EntryErrorBox& report) {
    std::string problem;
    try {
        steps();
        return 0;
    } catch (const std::exception& e) {
        problem = e.what();
    } catch (...) {}
    if (problem.empty()) problem = "unknown error";
    report(problem);
    return 0;
}

}  // namespace abacone
