// Throughput of the clipboard calculation over 1 MB of text without a line break, and the
// sum of a million-line column against the clipboard calculation of the same text.
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

constexpr std::size_t kColumnLines = 1'000'000;

const std::string& ColumnText() {
    static const std::string text = bench::MakeColumnText(kColumnLines);
    return text;
}

// The same amounts as one calculation, "+" where the column has its line breaks.
const std::string& ColumnAsOneSum() {
    static const std::string text = [] {
        std::string t = ColumnText();
        std::replace(t.begin(), t.end(), '\n', '+');
        t.back() = '=';
        return t;
    }();
    return text;
}

// Through the clipboard, as the window's commands run it: the text is taken as a copy.
template <void (*Command)()>
void RunOnClipboard(benchmark::State& state, const std::string& text) {
    MemoryClipboard clipboard;
    clipboard.SetText(text);
    SetClipboard(&clipboard);
    for (auto _ : state) {
        ResetEngine();
        Command();
        benchmark::DoNotOptimize(State.Accumulator);
    }
    if (State.ErrorLatched) state.SkipWithError("the text latched the error");
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
    state.counters["shown"] = static_cast<double>(ReadDecimal(Label1Text()));
    SetClipboard(nullptr);
}

void PasteClearFirst() { CalculateFromClipboard(0); }

void BM_SumColumn(benchmark::State& state) { RunOnClipboard<SumFromClipboard>(state, ColumnText()); }
BENCHMARK(BM_SumColumn)->Unit(benchmark::kMillisecond);

// Ctrl+V of the column: it ends at the first line break, so only the copy of the text and
// one line are timed.
void BM_PasteColumn(benchmark::State& state) { RunOnClipboard<PasteClearFirst>(state, ColumnText()); }
BENCHMARK(BM_PasteColumn)->Unit(benchmark::kMillisecond);

// Ctrl+V of the same amounts joined by "+": the same million additions in one calculation.
void BM_PasteColumnAsOneSum(benchmark::State& state) { RunOnClipboard<PasteClearFirst>(state, ColumnAsOneSum()); }
BENCHMARK(BM_PasteColumnAsOneSum)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
