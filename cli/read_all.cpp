#include "cli/read_all.h"

#include <unistd.h>

#include <cerrno>
#include <memory>

namespace abacone::cli {

int ReadAll(int fd, const std::function<bool(std::string_view)>& onChunk) {
    // Large reads keep a 10 MB line to a handful of system calls.
    constexpr std::size_t kChunk = 1 << 20;
    const auto buffer = std::make_unique<char[]>(kChunk);
    for (;;) {
        const ssize_t n = read(fd, buffer.get(), kChunk);
        if (n == 0) return 0;
        if (n < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        if (!onChunk(std::string_view(buffer.get(), static_cast<std::size_t>(n)))) return 0;
    }
}

}  // namespace abacone::cli
