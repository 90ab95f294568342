// The value input dialog's logic and the scientific and bitwise functions.
#pragma once

#include <string_view>

#include "engine/calc_state.h"

namespace abacone {

// Asks for a value; DialogTag() is 0 only when the user confirmed with Enter.
CalcValue AskValue(std::string_view title, std::string_view prompt);
int DialogTag();
// The dialog's outcome back to its start value.
void ResetFunctions();

void FunctionPi();
void FunctionSin();
void FunctionCos();
void FunctionTan();
void FunctionPow();
void FunctionLog();
void FunctionLn();
void FunctionAnd();
void FunctionOr();
void FunctionXor();

}  // namespace abacone
