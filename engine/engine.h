// Number entry, operators and evaluation: the keys of the calculator.
//
// The engine is always in one of five states, decided by three fields of `State`:
//   Ready                no entry (EntryLength 0), PendingOperator OpAdd…OpMod: shows
//                        the last result, and the next operand is typed on top of it
//   Typing               entry in progress, PendingOperator OpAdd…OpMod: shows the entry
//   Result               no entry, PendingOperator OpDone: shows the finished result
//   Typing after result  entry in progress, PendingOperator OpDone: the entry replaces
//                        the result as the left operand at the next operator or "="
//   Error                ErrorLatched 1, whatever the others hold: every key but
//                        ClearError is ignored, the indicator shows "E"
// An operator key leads to Ready (or Error), "=" to Result (or Error), a digit or the
// point from Ready or Result to the matching Typing state. A "0" alone on an empty entry
// starts no entry; it only sets EntryZeroTyped.
#pragma once

#include <optional>
#include <string_view>

#include "engine/calc_state.h"
#include "engine/display.h"
#include "engine/render.h"

namespace abacone {

// Entry
void EnterDigit(char c);  // "0"…"9" and "."
void DeleteLastDigit();
void ClearAll();
void ClearError();
void ClearEntry();
void ToggleEntrySign();
void MakeEntryNegative();
void RaiseError();
void EnterValue(CalcValue v);

// Evaluation
void ApplyOperator(int code);
void Equals();
bool Calculate();
void NegateAnswer();
void SquareRoot();
void CutFraction();

// The character each operator is written as in key scripts and calculation texts:
// "+", "-", "*", "/", and "\\" for the remainder; nothing for any other character.
constexpr std::optional<OperatorCode> OperatorForChar(char c) {
    switch (c) {
    case '+': return OpAdd;
    case '-': return OpSubtract;
    case '*': return OpMultiply;
    case '/': return OpDivide;
    case '\\': return OpMod;
    default: return std::nullopt;
    }
}

// Key scripts and calculation from the clipboard
void RunKeyScript(std::string_view script);
void K12Click();                                // /1024
void KT1Click();                                // /60
void K431Click();                               // *3/4
void K432Click();                               // *4/3
void K81Click();                                // nearest multiple of 8
void KR3Click();                                // add one half, cut
void Kmminch11Click();                          // /25.4
void Kcminch21Click();                          // /2.54
void Kinchmm31Click();                          // *25.4
void Kinch1Click();                             // *2.54
void Kinchfeet1Click();                         // /12
void Kfeetinch61Click();                        // *12
void CalculateFromClipboard(int continueFlag);  // 0: clear first, 1: continue
// The same interpreter over a given text (the clipboard command reads the clipboard and
// calls this); returns after the first control character or at the end of the text.
void CalculateText(std::string_view text, int continueFlag);

// The total of a copied column or table: the text is cut into lines (CR LF, LF or CR)
// and cells (tabs); each cell holding a digit is calculated as CalculateText would from a
// cleared calculator, and the results are added left to right. The total becomes the
// finished result, "=" in the indicator; a cell ending in the error, or a total beyond
// the range, makes it "Error". Without any digit in the text nothing changes.
void SumText(std::string_view text);
void SumFromClipboard();  // SumText over the clipboard's text

}  // namespace abacone
