// How standard input is cut into calculation texts, wherever the reads happen to end.
#include "cli/line_splitter.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using abacone::cli::LineSplitter;
using Texts = std::vector<std::string>;

Texts Split(std::string_view input, std::size_t firstCut, std::size_t step) {
    Texts texts;
    LineSplitter splitter([&](std::string_view t) { texts.emplace_back(t); });
    splitter.Feed(input.substr(0, firstCut));
    for (std::size_t at = firstCut; at < input.size(); at += step) {
        splitter.Feed(input.substr(at, step));
    }
    splitter.Finish();
    return texts;
}

TEST(LineSplitter, SameTextsWhereverTheChunksEnd) {
    using namespace std::string_literals;
    const struct {
        std::string input;
        Texts expected;
    } cases[] = {
        {"", {}},
        {"\n", {"\n"}},
        {"12+3", {"12+3\n"}},
        {"1\n2\n", {"1\n", "2\n"}},
        {"1\n\n2", {"1\n", "\n", "2\n"}},
        // The interpreter stops at the first control character: the rest is dropped.
        {"1\t2\n3", {"1\t", "3\n"}},
        {"a\0b\nc"s, {"a\0"s, "c\n"}},
        {"\r\n\r\n", {"\r", "\r"}},
        {"x\ty", {"x\t"}},
        {"\x01\x02\x03", {"\x01"}},
        {"\xff\xfe\n\x80", {"\xff\xfe\n", "\x80\n"}},
    };
    for (const auto& c : cases) {
        for (std::size_t firstCut = 0; firstCut <= c.input.size(); ++firstCut) {
            for (std::size_t step = 1; step <= c.input.size() + 1; ++step) {
                EXPECT_EQ(Split(c.input, firstCut, step), c.expected)
                    << "input of " << c.input.size() << " bytes, cut at " << firstCut << ", step " << step;
            }
        }
    }
}

}  // namespace
