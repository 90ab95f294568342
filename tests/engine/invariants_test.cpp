#include <cstring>
#include <random>

#include "tests/engine/keys.h"

namespace abacone::test {
namespace {

// The entry's shape, which every operation must keep.
void ExpectEntryConsistent(const std::string& history) {
    const char* b = State.EntryBuffer;
    const int n = State.EntryLength;
    const auto text = std::string_view(b, strnlen(b, EntryCapacity));
    ASSERT_LT(text.size(), static_cast<std::size_t>(EntryCapacity)) << history;
    ASSERT_GE(n, 0) << history;
    ASSERT_LE(n, 17) << history;
    if (n == 0) {
        ASSERT_TRUE(text.empty() || text == "0") << history;
        ASSERT_EQ(State.EntryHasPoint, 0) << history;
        ASSERT_EQ(State.EntryNegative, 0) << history;
        return;
    }
    ASSERT_EQ(text.size(), static_cast<std::size_t>(n)) << history;
    ASSERT_EQ(State.EntryHasPoint, text.find('.') != std::string_view::npos ? 1 : 0) << history;
    ASSERT_EQ(State.EntryNegative, text.front() == '-' ? 1 : 0) << history;
    ASSERT_LE(std::count_if(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }), 15) << history;
    ASSERT_FALSE(State.EntryZeroTyped) << history;
}

TEST_F(EngineTest, RandomKeysKeepTheEntryConsistent) {
    static constexpr char Keys[] = "0123456789.....0000+-*/%=NRKSM<<<CEF";
    std::mt19937 random(20240601);
    std::uniform_int_distribution<int> pick(0, sizeof Keys - 2);
    std::string history;
    for (int i = 0; i < 200000 && !HasFatalFailure(); ++i) {
        const char k = Keys[pick(random)];
        history += k;
        if (history.size() > 60) history.erase(0, 1);
        Press(std::string_view(&k, 1));
        ExpectEntryConsistent(history);
        if (!State.ErrorLatched) {
            ASSERT_LE(State.Accumulator, 99999999999999.0L) << history;
            ASSERT_GE(State.Accumulator, -99999999999999.0L) << history;
        }
    }
}

}  // namespace
}  // namespace abacone::test
