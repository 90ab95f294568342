// Process-wide state of the application shell, read by the activation handlers and the
// placement commands. No toolkit header here.
#pragma once

namespace abacone {

extern int HiddenStart;         // 1 after a hidden start until the tray icon shows the window
extern int ActiveClientHeight;  // client height restored on every activation: 76 or 186
extern int ExtendedKeypad;      // 1 while the extended keypad rows are shown

// The start values: shown, compact, no extended rows.
void ResetShellState();

inline constexpr int CompactClientHeight = 76;
inline constexpr int ExtendedClientHeight = 186;
inline constexpr int DisplayLinesHeight = 28;  // the decimal and hexadecimal lines
// The two extended rows' span from the square-root key's top to the log key's bottom.
inline constexpr int ExtendedRowsHeight = 173 + 12 - 76;

}  // namespace abacone
