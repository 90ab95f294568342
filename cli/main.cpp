// abacone-calc: evaluates calculation texts, one per line, with the calculator's engine.
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>

#include "cli/binary_streams.h"
#include "cli/evaluate.h"
#include "cli/help.h"
#include "cli/line_splitter.h"
#include "cli/options.h"
#include "cli/read_all.h"

namespace {

using namespace abacone::cli;

int Fail(const char* what, int error) {
    std::fprintf(stderr, "abacone-calc: %s: %s\n", what, std::strerror(error));
    return 1;
}

// Writes and empties out; returns 0 or the errno of the failed write.
int Flush(std::string& out) {
    errno = 0;
    const bool ok = out.empty() || std::fwrite(out.data(), 1, out.size(), stdout) == out.size();
    out.clear();
    if (ok && std::fflush(stdout) == 0) return 0;
    return errno != 0 ? errno : EIO;
}

}  // namespace

int main(int argc, char** argv) {
    UseBinaryStandardStreams();
    const Options options = ParseOptions(argc, argv);
    if (!options.Error.empty()) {
        std::fprintf(stderr, "abacone-calc: %s\nTry 'abacone-calc --help'.\n", options.Error.c_str());
        return 2;
    }
    std::string out;
    if (options.Help) {
        out = HelpText;
        const int error = Flush(out);
        return error == 0 ? 0 : Fail("write error", error);
    }

    const Columns columns{options.Hex, options.Bin};

    if (options.Sum) {
        // One total at the end, so the input is taken whole.
        std::string text;
        int readError = 0;
        if (!options.Texts.empty()) {
            for (std::string_view arg : options.Texts) {
                text += arg;
                text += '\n';
            }
        } else {
            readError = ReadAll(0, [&](std::string_view chunk) {
                text += chunk;
                return true;
            });
        }
        if (readError != 0) return Fail("read error", readError);
        out = SumLines(text, columns);
        out += '\n';
        const int error = Flush(out);
        return error == 0 ? 0 : Fail("write error", error);
    }
    auto evaluate = [&](std::string_view text) {
        out += EvaluateLine(text, columns);
        out += '\n';
    };

    if (!options.Texts.empty()) {
        for (std::string_view arg : options.Texts) {
            std::string text(arg);
            text += '\n';
            evaluate(text);
        }
        const int error = Flush(out);
        return error == 0 ? 0 : Fail("write error", error);
    }

    LineSplitter splitter(evaluate);
    int writeError = 0;
    // Output goes out once per chunk of input, so answers to typed lines appear at once
    // while a large file is still written in few calls. A failed write ends the reading.
    const int readError = ReadAll(0, [&](std::string_view chunk) {
        splitter.Feed(chunk);
        writeError = Flush(out);
        return writeError == 0;
    });
    if (writeError != 0) return Fail("write error", writeError);
    if (readError != 0) return Fail("read error", readError);
    splitter.Finish();
    writeError = Flush(out);
    return writeError == 0 ? 0 : Fail("write error", writeError);
}
