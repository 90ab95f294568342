// The Win32 calls behind the services on Windows, over plain window handles so that
// this part compiles without the toolkit (the build checks it with a cross compiler).
#pragma once

#include <optional>

#include "platform/os/os_services.h"

namespace abacone::win32 {

NativeWindow ForegroundWindow();
std::optional<Box> WindowRect(NativeWindow window);
bool IsIconicWindow(NativeWindow window);
// Joins the foreground window's input queue around one SetWindowPos, so that Windows
// lets the calculator come to the front.
void PullToFront(NativeWindow own);
void RaiseWithoutActivating(NativeWindow own);
// An owned window has no taskbar button; the owner is a hidden window of ours.
void SetTaskbarButton(NativeWindow own, bool shown);
void LowerPriority();
// The system's move, as if the caption bar had been grabbed.
void StartMove(NativeWindow own);
// Broadcast by the shell when the taskbar (and its notification area) is created anew.
unsigned TaskbarCreatedMessage();

}  // namespace abacone::win32
