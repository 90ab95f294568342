#include "ui/main/window_commands.h"

#include <cstddef>
#include <iterator>
#include <utility>

namespace abacone {
namespace {

constexpr std::string_view Names[] = {
    "MoveToBottomRight", "MoveToBottomLeft", "MoveToTopRight",     "MoveToTopLeft",
    "MoveToCentre",      "NudgeUp",          "NudgeDown",          "NudgeLeft",
    "NudgeRight",        "ToggleStayOnTop",  "ToggleCaption",      "ToggleExtendedKeypad",
    "ToggleAttachMode",  "ShowAbout",        "MinimiseCalculator", "ExitCalculator",
};
static_assert(std::size(Names) == static_cast<std::size_t>(WindowCommand::Count), "one name per command");

WindowCommandRunner installed;

}  // namespace

std::string_view WindowCommandName(WindowCommand command) {
    const auto index = static_cast<std::size_t>(command);
    return index < std::size(Names) ? Names[index] : std::string_view{};
}

void SetWindowCommands(WindowCommandRunner runner) { installed = std::move(runner); }

void RunWindowCommand(WindowCommand command) {
    // Runs a copy: a command that ends the shell uninstalls the runner while it runs.
    if (const WindowCommandRunner run = installed) run(command);
}

}  // namespace abacone
