// Copies of the shown value to the clipboard, and the copy mark in the indicator. The
// clipboard calculation's "@" and the memories copy through CopyToClipboard too.
#pragma once

#include <string_view>

namespace abacone {

void CopyToClipboard(std::string_view text);  // drops one "+", sets the copy mark

void KC1Click();  // decimal
void KH2Click();  // hexadecimal
void KB1Click();  // binary

}  // namespace abacone
