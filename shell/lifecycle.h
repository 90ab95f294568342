// The main window's life as the shell sees it: start-up (placement, command line, tray
// icon, priority), activation (grow back to the working height, shrink to the display
// lines when the user works elsewhere), minimising into the notification area and
// coming back from it. The program entry calls StartShell once, after building the main window;
// the rest runs from the window's and the application's events.
#pragma once

#include <functional>
#include <span>
#include <string>
#include <vector>

namespace abacone {

class Form;
class Timer;
class TTaskTray;

// The program's command-line arguments, the program path left out.
std::vector<std::string> CommandLineArguments();

// Everything of start-up after the main window was built with its compact height:
// engine state, command-line letters, placement, tray icon, the window commands of its
// menu, showing, priority, hooks.
void StartShell(Form& main, std::span<const std::string> args);

// The calculator is activated: working height back, the binary window back under the
// display lines and in front.
void Ap_Active();
// The application as a whole lost the activation: the hex pad closes, the windows
// shrink to their display lines.
void Ap_DeActive();
// The main window alone lost the activation (one of its own dialogs took it).
void ShrinkToDisplays();
// Changes the main window's flags (stay-on-top, caption): a calculator in use stays
// active at its working height, and no taskbar button appears.
void Reframe(const std::function<void(Form&)>& change);
// Keeps the taskbar button away, except for a minimised calculator without a
// notification area, which the taskbar is then the only way back to.
void Resize_Event();
// Any button pressed on the tray icon: shown, restored and in front.
void TaskTray1MouseDown();
// Minimised out of sight.
void KQ1Click();

// One step of the attach mode (attach_mode.cpp).
void Timer1Timer();

// The parts the window commands use; null before StartShell.
Form* ShellMainForm();
TTaskTray* TaskTray1();
Timer* Timer1();
// Check marks of the main window's popup menu entries (MTop, MCapt, AttachWin).
bool MenuMark(const char* name);
void SetMenuMark(const char* name, bool on);

}  // namespace abacone
