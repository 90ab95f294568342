// The menu commands that act on the main window as a whole (placement, display modes,
// the about box, minimising, exit) are the shell's: it installs the one function that runs
// them at start-up, tests install a recorder. Until one is installed they do nothing, so
// the window can be built and used without the shell.
#pragma once

#include <functional>
#include <string_view>

namespace abacone {

enum class WindowCommand {
    MoveToBottomRight,
    MoveToBottomLeft,
    MoveToTopRight,
    MoveToTopLeft,
    MoveToCentre,
    NudgeUp,
    NudgeDown,
    NudgeLeft,
    NudgeRight,

    ToggleStayOnTop,
    ToggleCaption,
    ToggleExtendedKeypad,
    ToggleAttachMode,

    ShowAbout,
    MinimiseCalculator,
    ExitCalculator,

    Count
};

// The enumerator's own name ("MoveToBottomRight").
std::string_view WindowCommandName(WindowCommand command);

using WindowCommandRunner = std::function<void(WindowCommand)>;

// An empty runner (nullptr) puts back doing nothing.
void SetWindowCommands(WindowCommandRunner runner);
void RunWindowCommand(WindowCommand command);

}  // namespace abacone
