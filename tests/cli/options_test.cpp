#include "cli/options.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using abacone::cli::Options;
using abacone::cli::ParseOptions;

Options Parse(std::vector<const char*> args) {
    args.insert(args.begin(), "abacone-calc");
    return ParseOptions(static_cast<int>(args.size()), args.data());
}

TEST(Options, NegativeNumbersAreTextsAndOptionsMayStandAnywhere) {
    const struct {
        std::vector<const char*> args;
        bool hex, bin, help;
        std::vector<std::string_view> texts;
        bool error;
    } cases[] = {
        {{"--hex", "255="}, true, false, false, {"255="}, false},
        {{"1", "--bin", "2"}, false, true, false, {"1", "2"}, false},
        {{"-5+3", "-h"}, false, false, true, {"-5+3"}, false},
        {{"--5", "-"}, false, false, false, {"--5", "-"}, false},
        {{"--", "--hex", "--"}, false, false, false, {"--hex", "--"}, false},
        {{"--hexx"}, false, false, false, {}, true},
        {{"--Bin"}, false, false, false, {}, true},
    };
    for (const auto& c : cases) {
        const Options o = Parse(c.args);
        const std::string where = c.args.front();
        EXPECT_EQ(o.Hex, c.hex) << where;
        EXPECT_EQ(o.Bin, c.bin) << where;
        EXPECT_EQ(o.Help, c.help) << where;
        EXPECT_EQ(o.Texts, c.texts) << where;
        EXPECT_EQ(!o.Error.empty(), c.error) << where;
    }
}

}  // namespace
