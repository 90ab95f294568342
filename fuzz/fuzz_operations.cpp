// Arbitrary sequences of engine, memory and function operations, the invariants checked
// after every one.
#include <fuzzer/FuzzedDataProvider.h>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <string>

#include "engine/copy.h"
#include "engine/engine.h"
#include "functions/functions.h"
#include "fuzz/invariants.h"
#include "memory/memory.h"
#include "platform/services/services.h"

namespace {

using namespace abacone;

FuzzedDataProvider* Input = nullptr;
MemoryClipboard FuzzClipboard;

// The value dialog answers with text from the input, confirmed or not.
class FuzzDialog final : public ValueDialogService {
public:
    Answer Ask(std::string_view, std::string_view) override {
        Answer answer;
        answer.Confirmed = Input->ConsumeBool();
        answer.Text = Input->ConsumeRandomLengthString(24);
        return answer;
    }
};

class SilentMessages final : public MessageService {
public:
    void Show(std::string_view, std::string_view, MessageIcon) override {}
};

CalcValue AnyValue(FuzzedDataProvider& in) {
    switch (in.ConsumeIntegralInRange(0, 5)) {
    case 0: return static_cast<CalcValue>(in.ConsumeIntegral<std::int64_t>());
    case 1: return in.ConsumeFloatingPoint<double>();
    case 2: return in.ConsumeFloatingPoint<long double>();
    case 3: {
        const auto denominator = in.ConsumeIntegralInRange<std::int32_t>(1, 1000000);
        return static_cast<CalcValue>(in.ConsumeIntegral<std::int32_t>()) / denominator;
    }
    case 4: {
        const double edges[] = {0.0,
                                -0.0,
                                1e40,
                                -1.2345e45,
                                99999999999999.0,
                                -99999999999999.5,
                                1e-20,
                                -2e-16,
                                0.9999999999999999,
                                std::numeric_limits<double>::max(),
                                std::numeric_limits<double>::denorm_min()};
        return edges[in.ConsumeIntegralInRange<std::size_t>(0, std::size(edges) - 1)];
    }
    default:
        return in.ConsumeBool() ? std::numeric_limits<CalcValue>::infinity()
                                : std::numeric_limits<CalcValue>::quiet_NaN();
    }
}

struct Step {
    const char* name;
    void (*run)(FuzzedDataProvider&);
};

#define PLAIN(f)                             \
    Step {                                   \
#f, [](FuzzedDataProvider&) { f(); } \
    }

// clang-format off
const Step kSteps[] = {
    {"EnterDigit", [](FuzzedDataProvider& in) {
         static constexpr char kKeys[] = "0123456789.";
         EnterDigit(in.ConsumeIntegralInRange(0, 7) != 0
                        ? kKeys[in.ConsumeIntegralInRange<std::size_t>(0, 10)]
                        : in.ConsumeIntegral<char>());
     }},
    {"EnterValue", [](FuzzedDataProvider& in) { EnterValue(AnyValue(in)); }},
    {"ApplyOperator", [](FuzzedDataProvider& in) { ApplyOperator(in.ConsumeIntegralInRange(0, 4)); }},
    {"RunKeyScript", [](FuzzedDataProvider& in) { RunKeyScript(in.ConsumeRandomLengthString(32)); }},
    {"CalculateText", [](FuzzedDataProvider& in) {
         const std::string text = in.ConsumeRandomLengthString(64);
         CalculateText(text, in.ConsumeBool());
     }},
    {"CalculateFromClipboard", [](FuzzedDataProvider& in) {
         if (in.ConsumeBool()) {
             FuzzClipboard.SetText(in.ConsumeRandomLengthString(64));
         } else {
             FuzzClipboard.Clear();
         }
         CalculateFromClipboard(in.ConsumeBool());
     }},
    {"CopyToClipboard", [](FuzzedDataProvider& in) { CopyToClipboard(in.ConsumeRandomLengthString(24)); }},
    PLAIN(DeleteLastDigit), PLAIN(ClearAll), PLAIN(ClearError), PLAIN(ClearEntry),
    PLAIN(ToggleEntrySign), PLAIN(MakeEntryNegative), PLAIN(RaiseError), PLAIN(Equals),
    PLAIN(NegateAnswer), PLAIN(SquareRoot), PLAIN(CutFraction),
    PLAIN(K12Click), PLAIN(KT1Click), PLAIN(K431Click), PLAIN(K432Click), PLAIN(K81Click),
    PLAIN(KR3Click), PLAIN(Kmminch11Click), PLAIN(Kcminch21Click), PLAIN(Kinchmm31Click),
    PLAIN(Kinch1Click), PLAIN(Kinchfeet1Click), PLAIN(Kfeetinch61Click),
    PLAIN(StoreMemory1), PLAIN(StoreMemory2), PLAIN(RecallMemory1), PLAIN(RecallMemory2),
    PLAIN(ShowMemoryIndicators), PLAIN(CopyMemory1Decimal), PLAIN(CopyMemory1Hex),
    PLAIN(CopyMemory1Binary), PLAIN(CopyMemory2Decimal), PLAIN(CopyMemory2Hex),
    PLAIN(CopyMemory2Binary), PLAIN(KC1Click), PLAIN(KH2Click), PLAIN(KB1Click),
    PLAIN(FunctionPi), PLAIN(FunctionSin), PLAIN(FunctionCos), PLAIN(FunctionTan),
    PLAIN(FunctionPow), PLAIN(FunctionLog), PLAIN(FunctionLn), PLAIN(FunctionAnd),
    PLAIN(FunctionOr), PLAIN(FunctionXor),
};
// clang-format on

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static FuzzDialog dialog;
    static SilentMessages messages;
    SetClipboard(&FuzzClipboard);
    SetValueDialog(&dialog);
    SetMessages(&messages);

    FuzzedDataProvider in(data, size);
    Input = &in;
    ResetEngine();
    fuzz::CheckInvariants("ResetEngine");
    while (in.remaining_bytes() > 0) {
        const Step& step = kSteps[in.ConsumeIntegralInRange<std::size_t>(0, std::size(kSteps) - 1)];
        step.run(in);
        fuzz::CheckInvariants(step.name);
    }
    Input = nullptr;
    return 0;
}
