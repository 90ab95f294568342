// Throughput of the clipboard calculation over 1 MB of text without a line break.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <string>

#include "bench/calc_text.h"
#include "engine/engine.h"
#include "platform/services/services.h"

namespace {

using namespace abacone;

constexpr std::size_t kMegabyte = 1 << 20;

const std::string& MixedText() {
    static const std::string text = bench::MakeCalculationText(kMegabyte);
    return text;
}

const std::string& DigitText() {
    static const std::string text = "." + std::string(kMegabyte - 1, '7');
    return text;
}

void Report(benchmark::State& state, const std::string& text) {
    if (State.ErrorLatched) state.SkipWithError("the text latched the error");
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
    state.counters["results"] = static_cast<double>(std::count(text.begin(), text.end(), '='));
}

void BM_CalculateFromClipboard(benchmark::State& state) {
    MemoryClipboard clipboard;
    clipboard.SetText(MixedText());
    SetClipboard(&clipboard);
    for (auto _ : state) {
        ResetEngine();
        CalculateFromClipboard(0);
        benchmark::DoNotOptimize(State.Accumulator);
    }
    Report(state, MixedText());
    SetClipboard(nullptr);
}
BENCHMARK(BM_CalculateFromClipboard)->Unit(benchmark::kMillisecond);

void BM_CalculateText(benchmark::State& state) {
    for (auto _ : state) {
        ResetEngine();
        CalculateText(MixedText(), 0);
        benchmark::DoNotOptimize(State.Accumulator);
    }
    Report(state, MixedText());
}
BENCHMARK(BM_CalculateText)->Unit(benchmark::kMillisecond);

// Digits past the entry limit: the refusal path that a pasted huge number takes.
void BM_CalculateTextRefusedDigits(benchmark::State& state) {
    for (auto _ : state) {
        ResetEngine();
        CalculateText(DigitText(), 0);
        benchmark::DoNotOptimize(State.Accumulator);
    }
    Report(state, DigitText());
}
BENCHMARK(BM_CalculateTextRefusedDigits)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
