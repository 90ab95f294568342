// The start-up options given as letters on the command line.
#pragma once

#include <span>
#include <string>

namespace abacone {

enum StartOption : unsigned {
    HideOption = 1,          // "h": only the tray icon at start
    NoTopmostOption = 2,     // "t": an ordinary window, not stay-on-top
    KeepPriorityOption = 4,  // "p": keep the normal priority
};

// Reads every argument letter by letter: a leading "/" or "-" is dropped, case is ignored
// and letters other than h, t and p mean nothing. The program path is not among `args`.
unsigned ParseStartOptions(std::span<const std::string> args);

}  // namespace abacone
