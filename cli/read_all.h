// Reading a file descriptor to its end in large chunks.
#pragma once

#include <functional>
#include <string_view>

namespace abacone::cli {

// Hands every chunk read from fd to onChunk until the end of the input or until onChunk
// returns false. Returns 0, or the errno of the read that failed.
int ReadAll(int fd, const std::function<bool(std::string_view)>& onChunk);

}  // namespace abacone::cli
