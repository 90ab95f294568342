// make_icons DIR NAME: writes the application icon's theme files under DIR at build time.
#include <cstdio>

#include "data/icon_theme.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: make_icons DIR NAME\n");
        return 2;
    }
    const QString failed = abacone::WriteIconTheme(QString::fromLocal8Bit(argv[1]), QString::fromLocal8Bit(argv[2]));
    if (failed.isEmpty()) return 0;
    std::fprintf(stderr, "make_icons: cannot write %s\n", failed.toLocal8Bit().constData());
    return 1;
}
