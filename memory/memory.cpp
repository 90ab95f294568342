// The two memory registers: store, recall, their display blocks and key colours.
#include "memory/memory.h"

#include "engine/copy.h"
#include "engine/engine.h"
#include "engine/value_text.h"

namespace abacone {
namespace {

struct Register {
    CalcValue& Value;
    int& InUse;
    std::string& Decimal;
    std::string& Hex;
    std::string& BinaryHint;
};

Register First() {
    return {State.MemoryValue1, State.Memory1InUse, Display.Memory1, Display.Memory1h, Display.Label5Hint};
}

Register Second() {
    return {State.MemoryValue2, State.Memory2InUse, Display.Memory2, Display.Memory2h, Display.Label8Hint};
}

BaseTexts Rendered(CalcValue v) { return RenderBases(FormatValueText(v).View()); }

void Store(const Register& m) {
    // The number being typed is never stored: the user ends it with an operator first.
    if (State.EntryLength != 0 || State.ErrorLatched) return;
    m.Value = State.Accumulator;
    BaseTexts t = Rendered(m.Value);
    m.Decimal = std::move(t.DecimalText);
    m.BinaryHint = std::move(t.BinaryText);
    m.Hex = std::move(t.HexText);
    m.InUse = m.Value != 0 ? 1 : 0;
    ShowMemoryIndicators();
}

enum class Notation { Decimal, Hex, Binary };

void CopyRegister(CalcValue v, Notation notation) {
    if (State.ErrorLatched) return;
    const BaseTexts t = Rendered(v);
    switch (notation) {
    case Notation::Decimal: CopyMemoryText(t.DecimalText); break;
    case Notation::Hex: CopyMemoryText("0x" + t.HexText); break;
    case Notation::Binary: {
        std::string bits = "0b";
        for (const char c : t.BinaryText) {
            if (c != ' ') bits += c;
        }
        CopyMemoryText(bits);
        break;
    }
    }
}

}  // namespace

void StoreMemory1() { Store(First()); }
void StoreMemory2() { Store(Second()); }
void RecallMemory1() { EnterValue(State.MemoryValue1); }
void RecallMemory2() { EnterValue(State.MemoryValue2); }

void ShowMemoryIndicators() {
    Display.Panel4Teal = State.Memory1InUse == 1;
    Display.Panel5Teal = State.Memory2InUse == 1;
}

void CopyMemory1Decimal() { CopyRegister(State.MemoryValue1, Notation::Decimal); }
void CopyMemory1Hex() { CopyRegister(State.MemoryValue1, Notation::Hex); }
void CopyMemory1Binary() { CopyRegister(State.MemoryValue1, Notation::Binary); }
void CopyMemory2Decimal() { CopyRegister(State.MemoryValue2, Notation::Decimal); }
void CopyMemory2Hex() { CopyRegister(State.MemoryValue2, Notation::Hex); }
void CopyMemory2Binary() { CopyRegister(State.MemoryValue2, Notation::Binary); }

void CopyMemoryText(std::string_view text) { CopyToClipboard(text); }

}  // namespace abacone
