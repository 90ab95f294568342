// Plays keypad presses into the engine, one character per key, for readable tests:
// digits and "." type; + - * / and % (Mod) are the operators; = equals;
// N answer sign, R root, K cut, S entry sign, M entry negative, < backspace,
// C clear, E clear error, F clear entry. Blanks are only for reading.
#pragma once

#include <gtest/gtest.h>

#include <string_view>

#include "engine/engine.h"
#include "platform/services/services.h"

namespace abacone::test {

inline void Press(std::string_view keys) {
    for (const char k : keys) {
        if (const auto op = OperatorForChar(k)) {
            ApplyOperator(*op);
            continue;
        }
        switch (k) {
        case '%': ApplyOperator(OpMod); break;  // easier to read in a table than "\\"
        case '=': Equals(); break;
        case 'N': NegateAnswer(); break;
        case 'R': SquareRoot(); break;
        case 'K': CutFraction(); break;
        case 'S': ToggleEntrySign(); break;
        case 'M': MakeEntryNegative(); break;
        case '<': DeleteLastDigit(); break;
        case 'C': ClearAll(); break;
        case 'E': ClearError(); break;
        case 'F': ClearEntry(); break;
        case ' ': break;
        default: ASSERT_TRUE((k >= '0' && k <= '9') || k == '.') << "no key for '" << k << "'"; EnterDigit(k);
        }
    }
}

inline std::string Entry() { return std::string(State.EntryBuffer); }

// Every test starts from a fresh calculator and an empty in-process clipboard.
class EngineTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetEngine();
        SetClipboard(&clipboard);
    }
    void TearDown() override { SetClipboard(nullptr); }
    std::string Clip() { return clipboard.Text().value_or("<none>"); }

    MemoryClipboard clipboard;
};

}  // namespace abacone::test
