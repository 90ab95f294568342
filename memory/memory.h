// The two memories and every copy to the clipboard.
#pragma once

#include <string_view>

namespace abacone {

void StoreMemory1();
void StoreMemory2();
void RecallMemory1();
void RecallMemory2();
void ShowMemoryIndicators();

// The six memory copies (decimal, "0x" hexadecimal, "0b" binary).
void CopyMemory1Decimal();
void CopyMemory1Hex();
void CopyMemory1Binary();
void CopyMemory2Decimal();
void CopyMemory2Hex();
void CopyMemory2Binary();

void CopyToClipboard(std::string_view text);  // drops one "+", sets the copy mark
void CopyMemoryText(std::string_view text);

// Copies of the shown value.
void KC1Click();  // decimal
void KH2Click();  // hexadecimal
void KB1Click();  // binary

}  // namespace abacone
