// abacone-calc as a program: what it prints for given input, arguments and faults.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "run_process.h"

namespace {

using abacone::testing::ProcessResult;
using abacone::testing::ProcessSetup;
using abacone::testing::RunProcess;

ProcessResult Calc(std::vector<std::string> args, std::string_view input = {}) {
    return RunProcess(ABACONE_CALC, ProcessSetup{std::move(args), input});
}

struct LinesCase {
    const char* name;
    std::string input;
    std::string expected;
};

TEST(CalcProcess, AnswersEveryLineOfStandardInput) {
    using namespace std::string_literals;
    // clang-format off
    const LinesCase cases[] = {
        {"left to right", "12+30*2\n", "84\n"},
        {"comma and brackets skipped", "1,234+1\n(3+4)*2\n", "1235\n14\n"},
        {"divide by 60, root", "100T\n2r\n", "1.666666666666666\n1.414213562373095\n"},
        {"stops after error", "5/0=7+1\n", "Error\n"},
        {"error after an operator", "99999999999999+1+\n", "Error\n"},
        {"error does not carry over", "5/0=\n1+1\n", "Error\n2\n"},
        {"each line starts cleared", "5\n+1\n", "5\n1\n"},
        {"empty line and missing last break", "2+3\n\n4", "5\n0\n4\n"},
        {"carriage return ends the line", "12+3\r\n", "15\n"},
        {"no input, no output", "", ""},
        {"full-width digits are digits", "120\xef\xbc\x95\n3\xef\xbc\x91\n", "1205\n31\n"},
        {"typeset and full-width operators", "80\xc3\x97" "40\n\xef\xbc\x91\xef\xbc\x8b" "1\n", "3200\n2\n"},
        {"NUL ends the calculation", "12\0+5\n3+4\n"s, "12\n7\n"},
        {"invalid UTF-8 skipped", "\xff\xfe" "1\xc0+\x80" "2\xed\xa0\x80\n", "3\n"},
        {"control characters", "1+2\t+3\n\x1b[31m5\n7\x7f+1\n", "3\n0\n8\n"},
    };
    // clang-format on
    for (const LinesCase& c : cases) {
        const ProcessResult r = Calc({}, c.input);
        EXPECT_EQ(r.Status, 0) << c.name;
        EXPECT_EQ(r.Out, c.expected) << c.name;
        EXPECT_EQ(r.Err, "") << c.name;
    }
}

TEST(CalcProcess, ArgumentsAndColumns) {
    const struct {
        std::vector<std::string> args;
        std::string expected;
        // clang-format off
    } cases[] = {
        {{"--hex", "255="}, "255\tFF\n"},
        {{"12+30*2", "1+1"}, "84\n2\n"},
        {{"--bin", "--hex", "-1"},
         "-1\tFFFFFFFF\t1111 1111 1111 1111 1111 1111 1111 1111\n"},
        {{"16", "--bin"}, "16\t0001 0000\n"},
        {{"--hex", "5/0="}, "Error\t0\n"},
        // The operator key leaves the last good result on the display.
        {{"--hex", "99999999999999+1+"}, "Error\t107A3FFF\n"},
        {{"-5+3", "--", "--5"}, "-2\n-5\n"},
        {{"--hex", "--bin", "12.75"}, "12.75\tC\t1100\n"},
    };
    // clang-format on
    for (const auto& c : cases) {
        const ProcessResult r = Calc(c.args);
        EXPECT_EQ(r.Status, 0) << c.args.back();
        EXPECT_EQ(r.Out, c.expected) << c.args.back();
    }
}

TEST(CalcProcess, SumOfAllLinesAndCells) {
    const struct {
        std::vector<std::string> args;
        std::string input;
        std::string expected;
    } cases[] = {
        {{"--sum"}, "1,200\n3,400\n560\n", "5160\n"},
        {{"--sum"}, "品名\t金額\r\nりんご\t1,200\r\nみかん\t￥980\r\n", "2180\n"},
        {{"--sum", "--hex"}, "0xFF\r1", "256\t100\n"},
        {{"--sum"}, "5\n1/0\n7\n", "Error\n"},
        {{"--sum"}, "", "0\n"},
        {{"--sum", "1,200", "-200", "0b11"}, "", "1003\n"},
    };
    for (const auto& c : cases) {
        const ProcessResult r = Calc(c.args, c.input);
        EXPECT_EQ(r.Status, 0) << c.input;
        EXPECT_EQ(r.Out, c.expected) << c.input;
    }
}

TEST(CalcProcess, HelpAndUnknownOption) {
    const ProcessResult help = Calc({"--help"});
    EXPECT_EQ(help.Status, 0);
    EXPECT_NE(help.Out.find("backslash"), std::string::npos);
    EXPECT_NE(help.Out.find("divide by 1024"), std::string::npos);
    EXPECT_NE(help.Out.find("full-width digits"), std::string::npos);

    const ProcessResult bad = Calc({"--hexx", "1"});
    EXPECT_EQ(bad.Status, 2);
    EXPECT_EQ(bad.Out, "");
    EXPECT_NE(bad.Err.find("unknown option --hexx"), std::string::npos);
}

TEST(CalcProcess, HundredMegabytesOfDigits) {
    // 100 MB of digits: after the point only 14 fit; the next line is unaffected.
    std::string digits(100'000'001, '1');
    digits[0] = '.';
    digits += "\n2+2\n";
    const ProcessResult r = Calc({}, digits);
    EXPECT_EQ(r.Status, 0);
    EXPECT_EQ(r.Out, "0.11111111111111\n4\n");
}

TEST(CalcProcess, LongLineWithManyResults) {
    // A 1.1 MB line crosses the reader's chunk boundary, with a result at every "+".
    std::string sum;
    for (int i = 0; i < 550'000; ++i) sum += "1+";
    const ProcessResult r = Calc({"--hex"}, sum);
    EXPECT_EQ(r.Status, 0);
    EXPECT_EQ(r.Out, "550000\t86470\n");
}

TEST(CalcProcess, ReadAndWriteErrorsEndWithStatusOne) {
    // A directory as standard input cannot be read.
    const int dir = open("/", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    ASSERT_GE(dir, 0);
    ProcessSetup setup;
    setup.StdinFd = dir;
    ProcessResult r = RunProcess(ABACONE_CALC, setup);
    close(dir);
    EXPECT_EQ(r.Status, 1);
    EXPECT_EQ(r.Out, "");
    EXPECT_NE(r.Err.find("read error"), std::string::npos) << r.Err;

    for (std::vector<std::string> args : {std::vector<std::string>{}, {"1+1"}, {"--help"}}) {
        ProcessSetup full{args, "1+1\n"};
        full.StdoutPath = "/dev/full";
        r = RunProcess(ABACONE_CALC, full);
        EXPECT_EQ(r.Status, 1);
        EXPECT_NE(r.Err.find("write error"), std::string::npos) << r.Err;
    }
}

}  // namespace
