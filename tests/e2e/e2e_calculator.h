// The calculator started under a window manager beside a panel with a notification
// area, with the helpers the end-to-end tests drive it and look at it with.
#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <memory>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "tests/support/x_session.h"

#ifndef ABACONE_PROGRAM
#define ABACONE_PROGRAM "abacone"
#endif

namespace abacone::e2e {

// Built with ABACONE_WINE_PREFIX, the same tests drive abacone.exe under Wine: one prefix
// per build tree, every program of it ended after each test. Wine names the windows after
// the executable, and its tray icons are windows of Wine's explorer.
#ifdef ABACONE_WINE_PREFIX
constexpr bool UnderWine = true;
constexpr const char* ProgramClass = "abacone.exe";
constexpr const char* TrayClass = "explorer.exe";
#else
constexpr bool UnderWine = false;
constexpr const char* ProgramClass = "abacone";
constexpr const char* TrayClass = "abacone";
#endif

using namespace std::chrono_literals;
using Window = XInspect::Window;

constexpr int ScreenW = 1024, ScreenH = 768;
// The attach timer ticks every second; a step may just have passed.
constexpr auto AttachLimit = 5s;
// Wine starts its own helper processes with the first window of a session.
constexpr std::chrono::seconds Settle = UnderWine ? 20s : 10s;

class Calculator : public testing::Test {
protected:
    enum class Priority { Idle, Kept };
    // Unless a test looks at the priority, the calculator keeps the normal one ("p"): at
    // idle priority a busy machine could hold it back for seconds.
    void Launch(std::vector<std::string> args = {}, bool trayHost = true, Priority priority = Priority::Kept) {
        session = std::make_unique<XSession>(XSession::Options{.TrayHost = trayHost});
        if (!session->Ready()) GTEST_SKIP() << session->Problem();
        x = std::make_unique<XInspect>(session->Display());
#ifdef ABACONE_WINE_PREFIX
        setenv("WINEPREFIX", ABACONE_WINE_PREFIX, 1);
        setenv("WINEDEBUG", "-all", 1);
        setenv("WINEDLLOVERRIDES", "mscoree,mshtml=;winemenubuilder.exe=d", 1);
#endif
        BeforeStart();
        if (priority == Priority::Kept) args.push_back("p");
#ifdef ABACONE_WINE_PREFIX
        args.insert(args.begin(), {ABACONE_WINE, ABACONE_EXE});
#else
        args.insert(args.begin(), ABACONE_PROGRAM);
#endif
        pid = session->Spawn(args);
        ASSERT_GT(pid, 0);
        // The tray icon is there once the program has set itself up.
        if (trayHost) {
            ASSERT_TRUE(WaitUntil([&] { return x->Embedded(TrayClass) != 0; }, Settle));
        }
    }
    // What a test sets up in its session before the program starts.
    virtual void BeforeStart() {}
    void TearDown() override {
#ifdef ABACONE_WINE_PREFIX
        if (session && session->Ready()) EndWine();
#endif
    }
#ifdef ABACONE_WINE_PREFIX
    // Ends every program of the prefix and waits for the server to go, so the next start
    // begins Wine's anew rather than meet the old server on its way out.
    void EndWine() {
        session->Run({ABACONE_WINESERVER, "-k"});
        session->Run({ABACONE_WINESERVER, "-w"});
    }
#endif
    // At the start-up place: the compact window's bottom edge 33 pixels and a frame
    // border above the screen's bottom, 16 pixels in from the right.
    bool AtStartPlace(Window w) {
        const auto frame = x->Frame(w);
        const auto client = x->Client(w);
        if (!frame || !client) return false;
        const int border = client->Left - frame->Left;
        return frame->Left == ScreenW - frame->Width - 16 && ScreenH - (frame->Top + frame->Height) == 33 + border;
    }
    bool AtBottomRight(Window w) {
        const auto frame = x->Frame(w);
        return frame && frame->Left == ScreenW - frame->Width - 16 && frame->Top == ScreenH - frame->Height - 32;
    }
    Window Main() {
        Window w = 0;
        WaitUntil([&] { return (w = x->FindClient("Abacone")) != 0; }, Settle);
        return w;
    }
    int ClientHeight(Window w) { return x->Client(w).value_or(XInspect::Rect{}).Height; }
    // Puts text on the clipboard as another program does: xclip keeps serving the
    // selection until another program takes it.
    void ServeClipboard(const std::string& text) {
        const std::string file = testing::TempDir() + "abacone-e2e-clipboard.txt";
        {
            std::ofstream out(file, std::ios::binary);
            out << text;
        }
        session->OfferClipboard(file);
        ASSERT_TRUE(WaitUntil([&] { return session->Clipboard() == text; }, Settle)) << session->Clipboard();
        std::remove(file.c_str());  // read by now
    }
    // Wine does not move the X focus itself: the window manager hands it over, as it does
    // to a program started from a desktop. Ready once a copy comes through: keys typed
    // before Wine's helpers are up are lost.
    bool ActivatedByWindowManager(Window w) {
        return WaitUntil(
            [&] {
                if (x->Active() != w) session->Activate(w);
                session->Key("ctrl+c");
                return x->Active() == w && session->Clipboard() == "0";
            },
            Settle);
    }
    // The calculator is the active window again, as the program sees it. Wine asks the
    // window manager for no activation (it stays on the closed window): there the test
    // reads Wine's own view and then lets the window manager follow it.
    bool BackInFront(Window w) {
#ifdef ABACONE_WINE_PREFIX
        if (!WaitUntil([&] { return session->Run({ABACONE_WINE, ABACONE_WINE_FOREGROUND}) == "Abacone"; }, Settle))
            return false;
        if (x->Active() != w) session->Activate(w);
#endif
        return WaitUntil([&] { return x->Active() == w; }, Settle);
    }
    Window StartOtherProgram() {
        session->Spawn({"xmessage", "-geometry", "400x200+200+150", "Another program"});
        Window w = 0;
        WaitUntil([&] { return (w = x->FindClient("xmessage")) != 0; }, Settle);
        return w;
    }
    // `iconClass`: the class of the icon's window, the program's own unless another
    // process docks it for the program (Wine's explorer does).
    void ClickTrayIcon(int button, const std::string& iconClass = TrayClass) {
        const Window icon = x->Embedded(iconClass);
        ASSERT_NE(icon, 0u);
        const auto r = x->Client(icon);
        ASSERT_TRUE(r);
        session->ClickAt(r->Left + r->Width / 2, r->Top + r->Height / 2, button);
    }
    // Nice value and scheduling policy from /proc, as `ps` would show them.
    std::pair<int, int> Scheduling() {
        std::ifstream in("/proc/" + std::to_string(pid) + "/stat");
        std::string stat((std::istreambuf_iterator<char>(in)), {});
        std::istringstream fields(stat.substr(stat.rfind(')') + 2));
        std::vector<std::string> f{std::istream_iterator<std::string>(fields), {}};
        // Counted from field 3 (state): nice is field 19, policy field 41.
        return {std::stoi(f.at(19 - 3)), std::stoi(f.at(41 - 3))};
    }

    std::unique_ptr<XSession> session;
    std::unique_ptr<XInspect> x;
    pid_t pid = -1;
};

}  // namespace abacone::e2e
