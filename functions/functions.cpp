#include "functions/functions.h"

// Placeholders until the functions are built: every command does nothing.
namespace abacone {

CalcValue AskValue(std::string_view, std::string_view) { return 0; }
int DialogTag() { return 1; }
void FunctionPi() {}
void FunctionSin() {}
void FunctionCos() {}
void FunctionTan() {}
void FunctionPow() {}
void FunctionLog() {}
void FunctionLn() {}
void FunctionAnd() {}
void FunctionOr() {}
void FunctionXor() {}

}  // namespace abacone
