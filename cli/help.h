#pragma once

namespace abacone::cli {

extern const char* const HelpText;

}  // namespace abacone::cli
