#include "shell/tasktray/tasktray.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QPixmap>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/qt/qt_window.h"
#include "platform/services/services.h"
#include "shell/icons/icons.h"
#include "tests/support/recording_messages.h"

namespace abacone {
namespace {

// Stands in for the notification area: records every request and accepts or refuses
// the first one.
class RecordingTray : public TTaskTray {
public:
    bool accept = true;
    std::vector<TrayAction> calls;
    std::vector<std::string> tips;  // the tip carried by each call

protected:
    bool ShellNotify(TrayAction action) override {
        calls.push_back(action);
        tips.emplace_back(IconData().Tip);
        return accept;
    }
};

using Action = TTaskTray::TrayAction;

TEST(TaskTray, AddsOnceLoadedAndSendsOnlyChanges) {
    RecordingTray tray;
    tray.SetTips("Abacone");
    tray.SetIcon(TrayIcon());
    EXPECT_TRUE(tray.calls.empty()) << "not yet loaded: values are only stored";

    tray.Loaded();
    ASSERT_EQ(tray.calls, std::vector<Action>{Action::Add});
    EXPECT_TRUE(tray.Registered());
    EXPECT_EQ(tray.IconData().ID, 1u);
    EXPECT_EQ(tray.IconData().Flags, 7u);
    EXPECT_EQ(tray.IconData().CallbackMessage, 0x401u);
    EXPECT_STREQ(tray.IconData().Tip, "Abacone");
    EXPECT_FALSE(tray.IconData().ApplicationIcon);

    tray.AddIcon();
    tray.SetTips("Abacone");
    EXPECT_EQ(tray.calls.size(), 1u) << "a second add and the same tip send nothing";

    tray.SetTips("Abacone 2");
    tray.SetIcon(nullptr);
    EXPECT_EQ(tray.calls, (std::vector<Action>{Action::Add, Action::Modify, Action::Modify}));
    EXPECT_EQ(tray.tips.back(), "Abacone 2");
    EXPECT_TRUE(tray.IconData().ApplicationIcon) << "no icon shows the application's";
}

TEST(TaskTray, RefusedIconStaysUnregistered) {
    RecordingTray tray;
    tray.accept = false;
    tray.Loaded();
    EXPECT_FALSE(tray.Registered());
    EXPECT_TRUE(tray.IconData().ApplicationIcon);
    tray.SetTips("later");
    tray.SetIcon(TrayIcon());
    EXPECT_EQ(tray.calls, std::vector<Action>{Action::Add});
    EXPECT_EQ(tray.Tips(), "later");
}

TEST(TaskTray, TipIsCutAtACharacterBoundary) {
    const std::string a = "\xe3\x81\x82";  // one three-byte character
    std::string oneThenA = "x";
    for (int i = 0; i < 21; ++i) oneThenA += a;  // 64 bytes
    std::string twentyOneA;
    for (int i = 0; i < 21; ++i) twentyOneA += a;  // 63 bytes
    struct Case {
        std::string tips;
        std::string tip;
    } cases[] = {
        {std::string(70, 'q'), std::string(63, 'q')},
        {std::string(63, 'q'), std::string(63, 'q')},
        {"", ""},
        {twentyOneA, twentyOneA},
        {twentyOneA + "z", twentyOneA},
        {oneThenA, oneThenA.substr(0, 61)},
    };
    for (const auto& c : cases) {
        RecordingTray tray;
        tray.SetTips(c.tips);
        tray.Loaded();
        const auto& field = tray.IconData().Tip;
        EXPECT_EQ(std::string(field), c.tip) << c.tips.size();
        for (std::size_t i = c.tip.size(); i < sizeof field; ++i)
            ASSERT_EQ(field[i], '\0') << "byte " << i << " of a " << c.tips.size() << "-byte tip";
    }
}

TEST(TaskTray, NotificationsBecomeEvents) {
    using B = TTaskTray::TMouseButton;
    struct Case {
        std::vector<unsigned> notifications;
        std::string events;
    } cases[] = {
        {{0x204, 0x205}, "down R, up R, "},
        {{0x207, 0x208}, "down M, up M, "},
        {{0x201, 0x202, 0x203, 0x202}, "down L, up L, double, up L, "},
        {{0x206, 0x209}, "double, double, "},
        {{0x200}, "move, "},
        {{0x1FF, 0x20A, 0x401}, ""},
    };
    const auto name = [](B b) { return b == B::Left ? "L" : b == B::Right ? "R" : "M"; };
    for (const auto& c : cases) {
        RecordingTray tray;
        std::string events;
        tray.OnMouseDown = [&](TTaskTray* s, B b, unsigned shift, int, int) {
            EXPECT_EQ(s, &tray);
            EXPECT_EQ(shift, 0u);
            events += std::string("down ") + name(b) + ", ";
        };
        tray.OnMouseUp = [&](TTaskTray*, B b, unsigned, int, int) { events += std::string("up ") + name(b) + ", "; };
        tray.OnMouseDblClick = [&](TTaskTray*) { events += "double, "; };
        tray.OnMouseMove = [&](TTaskTray*, unsigned, int, int) { events += "move, "; };
        for (unsigned n : c.notifications) tray.TrayWndProc(n);
        EXPECT_EQ(events, c.events);
    }
}

TEST(TaskTray, UnassignedEventsAndFailingHandlers) {
    RecordingMessages messages;
    SetMessages(&messages);
    RecordingTray tray;
    for (unsigned n = 0x200; n <= 0x209; ++n) tray.TrayWndProc(n);  // nothing assigned

    int downs = 0;
    tray.OnMouseDown = [&](TTaskTray*, TTaskTray::TMouseButton, unsigned, int, int) {
        if (++downs == 1) throw std::runtime_error("handler failed");
    };
    tray.TrayWndProc(0x201);
    tray.TrayWndProc(0x201);
    EXPECT_EQ(downs, 2) << "the component goes on after a failing handler";
    EXPECT_EQ(messages.Texts(), std::vector<std::string>{"handler failed"});
    SetMessages(nullptr);
}

TEST(Icons, ApplicationAndTrayImagesDiffer) {
    const QIcon app = IconFromXpm(ApplicationIcon());
    ASSERT_FALSE(app.isNull());
    const QList<QSize> sizes = app.availableSizes();
    EXPECT_TRUE(sizes.contains(QSize(32, 32)));
    EXPECT_TRUE(sizes.contains(QSize(16, 16)));
    const QImage tray = QPixmap(TrayIcon()).toImage();
    const QImage app16 = app.pixmap(16, 16).toImage();
    EXPECT_EQ(tray.size(), QSize(16, 16));
    EXPECT_NE(tray, app16);
    EXPECT_EQ(qAlpha(tray.pixel(0, 0)), 0) << "rounded corners are transparent";
}

}  // namespace
}  // namespace abacone
