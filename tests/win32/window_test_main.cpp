// main() of the window tests over the Win32 layer, which starts what it needs on first
// use (window classes, common controls). A crash is reported and ends the program with a
// failing code: left to the system, Wine would start its debugger and show a fault dialog
// that nobody closes under the test command (it ignores SEM_NOGPFAULTERRORBOX).
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>

namespace {

LONG WINAPI ReportCrash(EXCEPTION_POINTERS* e) {
    std::printf("crash: exception 0x%08lX at %p\n", e->ExceptionRecord->ExceptionCode,
                e->ExceptionRecord->ExceptionAddress);
    std::fflush(stdout);
    return EXCEPTION_EXECUTE_HANDLER;
}

}  // namespace

int main(int argc, char** argv) {
    SetUnhandledExceptionFilter(ReportCrash);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
