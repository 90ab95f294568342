#include "cli/options.h"

namespace abacone::cli {

Options ParseOptions(int argc, const char* const* argv) {
    Options options;
    bool optionsEnded = false;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (optionsEnded) {
            options.Texts.push_back(arg);
        } else if (arg == "--") {
            optionsEnded = true;
        } else if (arg == "--hex") {
            options.Hex = true;
        } else if (arg == "--bin") {
            options.Bin = true;
        } else if (arg == "--sum") {
            options.Sum = true;
        } else if (arg == "--help" || arg == "-h") {
            options.Help = true;
        } else if (arg.size() > 2 && arg.starts_with("--") &&
                   ((arg[2] >= 'a' && arg[2] <= 'z') || (arg[2] >= 'A' && arg[2] <= 'Z'))) {
            // "--x..." is a mistyped option far more often than a calculation.
            if (options.Error.empty()) options.Error = "unknown option " + std::string(arg);
        } else {
            options.Texts.push_back(arg);
        }
    }
    return options;
}

}  // namespace abacone::cli
