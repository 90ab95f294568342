// The X11 services against a real server, window manager and notification area.
#include <gtest/gtest.h>

#include <QApplication>
#include <QSystemTrayIcon>
#include <QTest>
#include <QWidget>
#include <cstdlib>
#include <memory>
#include <string>

#include "platform/os/os_services.h"
#include "platform/qt/qt_window.h"
#include "shell/icons/icons.h"
#include "shell/tasktray/tasktray.h"
#include "tests/support/x_session.h"

namespace abacone {
namespace {

e2e::XSession* session = nullptr;

#define REQUIRE_SESSION() \
    if (!session || !session->Ready()) GTEST_SKIP() << (session ? session->Problem() : "no session")

std::string Hex(WId id) {
    char text[32];
    std::snprintf(text, sizeof text, "0x%lx", static_cast<unsigned long>(id));
    return text;
}

std::string NetWmState(const QWidget& w) { return session->Run({"xprop", "-id", Hex(w.winId()), "_NET_WM_STATE"}); }

bool HasSkipTaskbar(const QWidget& w) { return NetWmState(w).find("_NET_WM_STATE_SKIP_TASKBAR") != std::string::npos; }

std::unique_ptr<QWidget> ShownWindow(const char* title, QRect at) {
    auto w = std::make_unique<QWidget>();
    w->setWindowTitle(title);
    w->setGeometry(at);
    w->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(w.get()));
    return w;
}

TEST(X11Services, SkipTaskbarHoldsBeforeAndAfterMapping) {
    REQUIRE_SESSION();
    QWidget w;
    w.setWindowTitle("skip");
    w.resize(120, 60);
    Os().SetSkipTaskbar(ToTop(&w), true);
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    EXPECT_TRUE(QTest::qWaitFor([&] { return HasSkipTaskbar(w); }, 5000)) << NetWmState(w);

    Os().SetSkipTaskbar(ToTop(&w), false);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !HasSkipTaskbar(w); }, 5000)) << NetWmState(w);
    Os().SetSkipTaskbar(ToTop(&w), true);
    EXPECT_TRUE(QTest::qWaitFor([&] { return HasSkipTaskbar(w); }, 5000)) << NetWmState(w);
}

TEST(X11Services, ForegroundWindowFrameAndIconicState) {
    REQUIRE_SESSION();
    auto w = ShownWindow("front", QRect(200, 150, 160, 90));
    w->activateWindow();
    const NativeWindow id = w->winId();
    ASSERT_TRUE(QTest::qWaitFor([&] { return Os().ForegroundWindow() == id; }, 5000));

    const auto frame = Os().FrameRect(id);
    ASSERT_TRUE(frame.has_value());
    const QRect client(w->mapToGlobal(QPoint(0, 0)), w->size());
    EXPECT_LE(frame->Left, client.left());
    EXPECT_LT(frame->Top, client.top()) << "the window manager's title bar is included";
    EXPECT_GE(frame->Right(), client.left() + client.width());
    EXPECT_GE(frame->Bottom(), client.top() + client.height());
    EXPECT_EQ(frame->Left, w->frameGeometry().left());
    EXPECT_EQ(frame->Top, w->frameGeometry().top());
    EXPECT_FALSE(Os().FrameRect(0).has_value());
    EXPECT_FALSE(Os().FrameRect(0x7ffffff).has_value()) << "a window that does not exist";

    EXPECT_FALSE(Os().IsIconic(id));
    w->showMinimized();
    EXPECT_TRUE(QTest::qWaitFor([&] { return Os().IsIconic(id); }, 5000));
    // Restored through the window manager, as a taskbar would.
    session->Activate(w->winId(), false);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !Os().IsIconic(id); }, 5000));
}

TEST(X11Services, RaiseAboveLeavesTheActivationWhereItIs) {
    REQUIRE_SESSION();
    auto calculator = ShownWindow("calculator", QRect(100, 100, 150, 60));
    auto other = ShownWindow("other", QRect(80, 80, 300, 200));
    other->activateWindow();
    const NativeWindow otherId = other->winId();
    ASSERT_TRUE(QTest::qWaitFor([&] { return Os().ForegroundWindow() == otherId; }, 5000));

    const auto stacking = [&] { return session->Run({"xprop", "-root", "_NET_CLIENT_LIST_STACKING"}); };
    // Bottom to top; each id is followed by a comma or the line's end.
    const auto above = [&] {
        std::string list = stacking();
        while (!list.empty() && list.back() == '\n') list.pop_back();
        list += ",";
        const auto c = list.find(Hex(calculator->winId()) + ",");
        const auto o = list.find(Hex(otherId) + ",");
        return c != std::string::npos && o != std::string::npos && c > o;
    };
    Os().RaiseAbove(ToTop(calculator.get()), otherId);
    EXPECT_TRUE(QTest::qWaitFor(above, 5000)) << stacking();
    EXPECT_EQ(Os().ForegroundWindow(), otherId);
}

TEST(X11Services, NoMoveWithoutAPress) {
    REQUIRE_SESSION();
    auto w = ShownWindow("still", QRect(300, 300, 100, 50));
    const QPoint before = w->frameGeometry().topLeft();
    EXPECT_FALSE(Os().StartMove(ToTop(w.get())));
    QTest::qWait(100);
    EXPECT_EQ(w->frameGeometry().topLeft(), before);
}

QWidget* TrayIconWidget() {
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->inherits("QSystemTrayIconSys")) return w;
    }
    return nullptr;
}

// The icon's centre in root coordinates: Qt's own idea of its place and size goes stale
// once the notification area has adopted and resized the window.
QPoint IconCentre(QWidget* icon) {
    const auto r = e2e::XInspect(session->Display()).Client(icon->winId());
    return r ? QPoint(r->Left + r->Width / 2, r->Top + r->Height / 2) : QPoint();
}

// Whether the notification area has taken the icon's window in and mapped it, which it
// does once it has laid the icon out.
bool Docked() {
    QWidget* icon = TrayIconWidget();
    return icon && e2e::XInspect(session->Display()).Docked(icon->winId());
}

TEST(TaskTrayOnX11, ComesBackWhenTheNotificationAreaRestarts) {
    REQUIRE_SESSION();
    ASSERT_TRUE(session->StartTrayHost());
    TTaskTray tray;
    int changes = 0;
    tray.OnAvailabilityChanged = [&](TTaskTray*) { ++changes; };
    tray.SetIcon(TrayIcon());
    tray.SetTips("Abacone");
    tray.Loaded();
    EXPECT_TRUE(tray.Registered());
    EXPECT_TRUE(QTest::qWaitFor(Docked, 5000));

    session->StopTrayHost();
    EXPECT_TRUE(QTest::qWaitFor([&] { return changes >= 1 && !tray.Registered(); }, 5000));
    EXPECT_FALSE(QSystemTrayIcon::isSystemTrayAvailable());

    ASSERT_TRUE(session->StartTrayHost());
    EXPECT_TRUE(QTest::qWaitFor([&] { return tray.Registered(); }, 5000)) << changes;
    EXPECT_TRUE(QTest::qWaitFor(Docked, 5000));
}

TEST(TaskTrayOnX11, ButtonsOnTheIconBecomeEvents) {
    REQUIRE_SESSION();
    ASSERT_TRUE(session->StartTrayHost());
    TTaskTray tray;
    tray.SetIcon(TrayIcon());
    tray.Loaded();
    // Qt may replace the icon's widget while it settles in the area; it is looked up
    // afresh, as is its place, until the pointer is in it, as a person's would be
    // before pressing on it.
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            QWidget* icon = TrayIconWidget();
            if (!icon || !Docked()) return false;
            const QPoint centre = IconCentre(icon);
            session->Mouse({"mousemove", std::to_string(centre.x()), std::to_string(centre.y())});
            QTest::qWait(50);
            icon = TrayIconWidget();
            return icon && icon->underMouse();
        },
        5000));

    std::string events;
    using B = TTaskTray::TMouseButton;
    const auto name = [](B b) { return b == B::Left ? "L" : b == B::Right ? "R" : "M"; };
    tray.OnMouseDown = [&](TTaskTray*, B b, unsigned, int, int) { events += std::string("down ") + name(b) + " "; };
    tray.OnMouseUp = [&](TTaskTray*, B b, unsigned, int, int) { events += std::string("up ") + name(b) + " "; };
    tray.OnMouseDblClick = [&](TTaskTray*) { events += "double "; };

    session->Mouse({"click", "3", "sleep", "0.6", "click", "2"});
    EXPECT_TRUE(QTest::qWaitFor([&] { return events == "down R up R down M up M "; }, 5000)) << events;
    events.clear();
    session->Mouse({"click", "--repeat", "2", "--delay", "50", "1"});
    EXPECT_TRUE(QTest::qWaitFor([&] { return events == "down L up L double up L "; }, 5000)) << events;
}

}  // namespace
}  // namespace abacone

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    // Listing the tests needs no X server.
    if (::testing::GTEST_FLAG(list_tests)) return RUN_ALL_TESTS();
    abacone::e2e::XSession xsession({.TrayHost = false});
    abacone::session = &xsession;
    if (!xsession.Ready()) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    } else {
        qputenv("DISPLAY", xsession.Display().c_str());
        qputenv("QT_QPA_PLATFORM", "xcb");
    }
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
