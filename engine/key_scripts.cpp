// Menu commands written as short key sequences played through the engine.
#include "engine/engine.h"

namespace abacone {

void RunKeyScript(std::string_view script) {
    if (State.ErrorLatched) return;
    for (const char c : script) {
        if (const auto op = OperatorForChar(c)) {
            ApplyOperator(*op);
        } else {
            EnterDigit(c);  // digits and the point; anything else is dropped
        }
    }
    Equals();
}

void K12Click() { RunKeyScript("/1024"); }
void KT1Click() { RunKeyScript("/60"); }
void K431Click() { RunKeyScript("*3/4"); }
void K432Click() { RunKeyScript("*4/3"); }

void K81Click() {
    RunKeyScript("+4/8");
    CutFraction();
    RunKeyScript("*8");
}

void KR3Click() {
    RunKeyScript("+.5");
    CutFraction();
}

void Kmminch11Click() { RunKeyScript("/25.4"); }
void Kcminch21Click() { RunKeyScript("/2.54"); }
void Kinchmm31Click() { RunKeyScript("*25.4"); }
void Kinch1Click() { RunKeyScript("*2.54"); }
void Kinchfeet1Click() { RunKeyScript("/12"); }
void Kfeetinch61Click() { RunKeyScript("*12"); }

}  // namespace abacone
