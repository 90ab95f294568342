// Process-wide application services: the title, the main form (the first Form
// the program registers: closing it ends the program, other windows place themselves
// relative to it), the hint colour, pending messages, minimising, the screen size and
// the command line.
#pragma once

#include <string>
#include <string_view>

#include "platform/window_types.h"

namespace abacone {

class Form;

void SetApplicationTitle(std::string_view title);
std::string ApplicationTitle();

void SetMainForm(Form* form);
Form* MainForm();

// Background colour of every hint (tool tip).
void SetHintColor(Rgb background);
// The system's face colour of push buttons.
Rgb ButtonFaceColor();
// Handles every event that is waiting, then returns.
void ProcessMessages();
// Minimises every window of the program.
void MinimiseApplication();

int ScreenWidth();
int ScreenHeight();

// Number of command-line parameters after the program path, and one of them
// (0 is the program path). An index out of range gives an empty text.
int ParamCount();
std::string ParamStr(int index);

}  // namespace abacone
