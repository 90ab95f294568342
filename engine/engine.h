// Number entry, operators and evaluation: the keys of the calculator.
#pragma once

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

// Key scripts and calculation from the clipboard
void RunKeyScript(std::string_view script);
void K12Click();          // /1024
void KT1Click();          // /60
void K431Click();         // *3/4
void K432Click();         // *4/3
void K81Click();          // nearest multiple of 8
void KR3Click();          // add one half, cut
void Kmminch11Click();    // /25.4
void Kcminch21Click();    // /2.54
void Kinchmm31Click();    // *25.4
void Kinch1Click();       // *2.54
void Kinchfeet1Click();   // /12
void Kfeetinch61Click();  // *12
void CalculateFromClipboard(int continueFlag);  // 0: clear first, 1: continue
// The same interpreter over a given text (the clipboard command reads the clipboard and
// calls this); returns after the first control character or at the end of the text.
void CalculateText(std::string_view text, int continueFlag);

}  // namespace abacone
