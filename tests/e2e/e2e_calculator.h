// The calculator started under a window manager beside a panel with a notification
// area, with the helpers the end-to-end tests drive it and look at it with.
#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
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

using namespace std::chrono_literals;
using Window = XInspect::Window;

constexpr int ScreenW = 1024, ScreenH = 768;
// The attach timer ticks every second; a step may just have passed.
constexpr auto AttachLimit = 5s;
constexpr auto Settle = 10s;

class Calculator : public testing::Test {
protected:
    enum class Priority { Idle, Kept };
    // Unless a test looks at the priority, the calculator keeps the normal one ("p"): at
    // idle priority a busy machine could hold it back for seconds.
    void Launch(std::vector<std::string> args = {}, bool trayHost = true, Priority priority = Priority::Kept) {
        session = std::make_unique<XSession>(XSession::Options{.TrayHost = trayHost});
        if (!session->Ready()) GTEST_SKIP() << session->Problem();
        x = std::make_unique<XInspect>(session->Display());
        if (priority == Priority::Kept) args.push_back("p");
        args.insert(args.begin(), ABACONE_PROGRAM);
        pid = session->Spawn(args);
        ASSERT_GT(pid, 0);
        // The tray icon is there once the program has set itself up.
        if (trayHost) {
            ASSERT_TRUE(WaitUntil([&] { return x->Embedded("abacone") != 0; }, Settle));
        }
    }
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
    Window StartOtherProgram() {
        session->Spawn({"xmessage", "-geometry", "400x200+200+150", "Another program"});
        Window w = 0;
        WaitUntil([&] { return (w = x->FindClient("xmessage")) != 0; }, Settle);
        return w;
    }
    // `iconClass`: the class of the icon's window, the program's own unless another
    // process docks it for the program (Wine's explorer does).
    void ClickTrayIcon(int button, const std::string& iconClass = "abacone") {
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
