// The program's outermost frame: the application object, then the program's own steps
// (windows, message loop). An error that escapes them is shown in the toolkit's error
// box instead of aborting the program, and the program still ends with exit code 0.
#pragma once

#include <functional>
#include <string_view>

namespace abacone {

using EntryErrorBox = std::function<void(std::string_view text)>;

// The toolkit's own box: a critical message titled with the application title.
void ShowEntryError(std::string_view text);

// Creates the application unless one exists, runs `steps` and returns 0 in every case.
int RunProgram(int& argc, char** argv, const std::function<void()>& steps,
               const EntryErrorBox& report = ShowEntryError);

}  // namespace abacone
