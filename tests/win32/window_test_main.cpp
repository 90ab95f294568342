// main() of the window tests over the Win32 layer, which starts what it needs on first
// use (window classes, common controls). A crash ends the program with its code instead of
// opening the system's fault dialog, which nobody would close under the test command.
#include <gtest/gtest.h>
#include <windows.h>

int main(int argc, char** argv) {
    SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
