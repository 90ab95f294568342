// The two memories and their copies to the clipboard.
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

void CopyMemoryText(std::string_view text);  // through CopyToClipboard

}  // namespace abacone
