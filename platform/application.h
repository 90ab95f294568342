// Process-wide application services: the title, the main form (the first Form
// the program registers: closing it ends the program, other windows place themselves
// relative to it), the hint colour, pending messages, minimising, the screen size and
// the command line.
#pragma once

#include <functional>
#include <span>
#include <string>
#include <string_view>

#include "platform/window_types.h"

namespace abacone {

class Form;

class ClipboardService;
class MessageService;

// The window system's clipboard and message box, for the program to install as its
// services (services.h).
ClipboardService& SystemClipboard();
MessageService& SystemMessages();

void SetApplicationTitle(std::string_view title);
std::string ApplicationTitle();

void SetMainForm(Form* form);
Form* MainForm();

// What the shell hears of the application as a whole: activation, deactivation, and any
// top-level window of the program (dialogs and message boxes included, the tray icon
// not) about to be shown. Empty functions are not called.
struct ApplicationEvents {
    std::function<void()> Activated;
    std::function<void()> Deactivated;
    std::function<void(TopWindow*)> WindowShowing;
};
void SetApplicationEvents(ApplicationEvents events);
bool ApplicationActive();
// Whether a modal window of the program other than `main` is up (a dialog, a message box).
bool ModalWindowOver(const Form& main);

// The program's icon, in every size it is drawn in; the taskbar and the window frames
// show it.
void SetApplicationIcon(std::span<const Xpm> sizes);
// The desktop entry that desktop panels find the program's name and icon under.
void SetDesktopEntryName(std::string_view name);
// Runs the message loop until the main form closes.
void RunMessageLoop();
// What the running window system does not let a program do with its windows, as one line
// to tell the user; empty where it lets it do everything.
std::string WindowSystemLimits();

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
// The box all screens cover together.
Box DesktopBox();
// The part of the primary screen that its taskbar and panels leave to windows.
Box WorkArea();
Point CursorPos();

// Number of command-line parameters after the program path, and one of them
// (0 is the program path). An index out of range gives an empty text.
int ParamCount();
std::string ParamStr(int index);

}  // namespace abacone
