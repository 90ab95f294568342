#include <gtest/gtest.h>

#include <QApplication>
#include <functional>
#include <string>

#include "platform/application.h"
#include "tests/binwindow/aux_window_fixture.h"
#include "ui/hexpad/hexpad.h"
#include "ui/hexpad/logic/hexpad_logic.h"
#include "ui/hexpad/tform4.h"
#include "ui/main/reset.h"

namespace abacone {
namespace {

class HexPadWindowTest : public AuxWindowTest {
protected:
    // Opens the pad through the "Hex" panel and runs `inside` while it is up.
    bool WhileOpen(const std::function<void(TForm4&)>& inside) {
        return WhileModal([this] { Click(main->Control("Panel22")); },
                          [&] {
                              ASSERT_NE(Form4, nullptr);
                              inside(*Form4);
                          });
    }
    static std::string Shown(TForm4& pad) { return pad.Control("Label1")->Caption(); }
    // Clicks the digit keys for the characters of `digits`; '<' is the delete key.
    static void ClickDigits(TForm4& pad, const std::string& digits) {
        for (char c : digits) Click(Key(pad, c));
    }
    static Panel* Key(TForm4& pad, char c) {
        if (c == '<') return pad.Control("Panel20");
        const int index = c <= '9' ? c - '0' : c - 'A' + 10;
        return pad.Control(("Panel" + std::to_string(4 + index)).c_str());
    }
};

TEST_F(HexPadWindowTest, OpenedByThePanelAndTheShortcut) {
    for (const auto& open : std::initializer_list<std::function<void()>>{
             [&] { Click(main->Control("Panel22")); },
             [&] { Press(main.get(), Qt::Key_H, Qt::ShiftModifier | Qt::ControlModifier); },
         }) {
        bool seen = false;
        EXPECT_TRUE(WhileModal(open, [&] {
            ASSERT_NE(Form4, nullptr);
            seen = Form4->Visible() && HexPadOpen == 1 && Shown(*Form4) == "0";
            Form4->Close();
        }));
        EXPECT_TRUE(seen);
        EXPECT_EQ(Form4, nullptr);
        EXPECT_EQ(HexPadOpen, 0);
    }
}

// Keys typed right after the opening shortcut, before the pad has the focus, belong to
// the pad; those after its Enter wait until the value has been entered.
TEST_F(HexPadWindowTest, KeysTypedAheadReachThePad) {
    struct Case {
        const char* typed;  // after Shift+Ctrl+H; '\r' is Enter, '!' the pad's activation
        const char* mainShows;
        // clang-format off
    } cases[] = {
        {"ff\r", "255"},
        {"1a\r+1=", "27"},
        {"ff!\r", "255"},  // a window manager that activates the pad after the keys
    };
    // clang-format on
    for (const auto& c : cases) {
        ResetWindowState();
        main->Render();
        auto post = [this](int key, Qt::KeyboardModifiers modifiers, const QString& text) {
            for (QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease})
                QCoreApplication::postEvent(Widget(*main), new QKeyEvent(type, key, modifiers, text));
        };
        post(Qt::Key_H, Qt::ShiftModifier | Qt::ControlModifier, {});
        for (const char* p = c.typed; *p; ++p) {
            const char ch = *p;
            if (ch == '!') {
                QMetaObject::invokeMethod(
                    Widget(*main),
                    [] {
                        QEvent activate(QEvent::WindowActivate);
                        if (Form4) QApplication::sendEvent(Widget(*Form4), &activate);
                    },
                    Qt::QueuedConnection);
                continue;
            }
            const int key = ch == '\r' ? Qt::Key_Return : ch >= 'a' && ch <= 'z' ? ch - 32 : ch;
            post(key, {}, QString(QChar(ch)));
        }
        QMetaObject::invokeMethod(
            Widget(*main),
            [&c] {
                if (!Form4 || !Form4->Visible()) return;
                ADD_FAILURE() << "the pad stayed open: " << c.typed;
                Form4->Close();
            },
            Qt::QueuedConnection);
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents();
        EXPECT_EQ(Form4, nullptr) << c.typed;
        EXPECT_EQ(MainShows(), c.mainShows) << c.typed;
    }
}

TEST_F(HexPadWindowTest, RefusedDuringAnEntryAndInTheErrorState) {
    for (const char* keys : {"5", "1/0="}) {
        ResetWindowState();
        TypeOnMain(keys);
        const std::string before = MainShows();
        EXPECT_FALSE(WhileModal([&] { Click(main->Control("Panel22")); }, [] {})) << keys;
        EXPECT_EQ(Form4, nullptr);
        EXPECT_EQ(MainShows(), before);
    }
}

TEST_F(HexPadWindowTest, ClickedDigitsAreEnteredAsDecimal) {
    struct Case {
        const char* digits;  // '<' is the delete key
        const char* padShows;
        const char* mainShows;
    } cases[] = {
        {"FFFFFFFF", "FFFFFFFF", "4294967295"},
        {"123456789", "12345678", "305419896"},  // the ninth digit is ignored
        {"1F<E", "1E", "30"},
        {"", "0", "0"},
    };
    for (const auto& c : cases) {
        ResetWindowState();
        main->Render();
        EXPECT_TRUE(WhileOpen([&](TForm4& pad) {
            ClickDigits(pad, c.digits);
            EXPECT_EQ(Shown(pad), c.padShows) << c.digits;
            Click(pad.Control("Panel21"));  // Ent
        }));
        EXPECT_EQ(MainShows(), c.mainShows) << c.digits;
        EXPECT_EQ(HexPadOpen, 0);
    }
}

TEST_F(HexPadWindowTest, TheEnteredValueIsTypedAsOnTheKeypad) {
    TypeOnMain("1+");
    WhileOpen([&](TForm4& pad) {
        ClickDigits(pad, "FF");
        Press(&pad, Qt::Key_Return, {}, "\r");
    });
    TypeOnMain("0=");  // the entry goes on: 2550
    EXPECT_EQ(MainShows(), "2551");
}

TEST_F(HexPadWindowTest, Keyboard) {
    struct Stroke {
        int key;
        const char* text;
    };
    struct Case {
        const char* what;
        std::vector<Stroke> strokes;
        const char* shows;
        // clang-format off
    } cases[] = {
        {"characters", {{Qt::Key_A, "a"}, {Qt::Key_A, "A"}, {Qt::Key_Slash, "/"}, {Qt::Key_Period, "."},
                        {Qt::Key_Space, " "}, {Qt::Key_G, "g"}, {Qt::Key_9, "9"}}, "AAAEF9"},
        {"virtual keys", {{Qt::Key_Insert, ""}, {Qt::Key_PageDown, ""}, {Qt::Key_F1, ""},
                          {Qt::Key_F10, ""}, {Qt::Key_F12, ""}}, "AFADF"},
        {"Left and backspace", {{Qt::Key_1, "1"}, {Qt::Key_2, "2"}, {Qt::Key_Left, ""},
                                {Qt::Key_Backspace, "\b"}, {Qt::Key_Backspace, "\b"}}, "0"},
    };
    // clang-format on
    for (const auto& c : cases) {
        WhileOpen([&](TForm4& pad) {
            for (const Stroke& s : c.strokes) Press(&pad, s.key, {}, QString::fromLatin1(s.text));
            EXPECT_EQ(Shown(pad), c.shows) << c.what;
            pad.Close();
        });
    }
}

TEST_F(HexPadWindowTest, ClosingLeavesTheMainEntryUnchanged) {
    struct Closer {
        const char* what;
        std::function<void(TForm4&)> close;
    } closers[] = {
        {"Esc", [](TForm4& p) { Press(&p, Qt::Key_Escape, {}, "\x1b"); }},
        {"Ctrl+X", [](TForm4& p) { Press(&p, Qt::Key_X, Qt::ControlModifier, "\x18"); }},
        {"Ctrl+End", [](TForm4& p) { Press(&p, Qt::Key_End, Qt::ControlModifier); }},
        {"close panel", [](TForm4& p) { Click(p.Control("Panel1")); }},
        {"losing the activation", [](TForm4&) { HexPadClose(); }},
    };
    for (const auto& c : closers) {
        ResetWindowState();
        TypeOnMain("42=");
        EXPECT_TRUE(WhileOpen([&](TForm4& pad) {
            ClickDigits(pad, "FF");
            c.close(pad);
        })) << c.what;
        EXPECT_EQ(MainShows(), "42") << c.what;
        EXPECT_EQ(State.EntryLength, 0) << c.what;
        EXPECT_EQ(HexPadOpen, 0) << c.what;
    }
}

TEST_F(HexPadWindowTest, CopiesTheTypedDigitsAndMarksTheMainIndicator) {
    WhileOpen([&](TForm4& pad) {
        Click(pad.Control("Panel2"));
        EXPECT_EQ(Copied(), "0x0");
        ClickDigits(pad, "1F");
        for (const auto& copy : std::initializer_list<std::function<void()>>{
                 [&] { Click(pad.Control("Panel2")); },
                 [&] { Click(pad.Control("Label1")); },
                 [&] { Press(&pad, Qt::Key_C, Qt::ControlModifier, "\x03"); },
                 [&] { Press(&pad, Qt::Key_H, Qt::ControlModifier, "\x08"); },
             }) {
            clipboard.Clear();
            copy();
            EXPECT_EQ(Copied(), "0x1F");
        }
        EXPECT_EQ(Shown(pad), "1F");  // Ctrl+H is not a backspace here
        EXPECT_EQ(main->Control("Label2")->Caption(), "+C");
        pad.Close();
    });
}

TEST_F(HexPadWindowTest, DoubleClicksCountTwice) {
    WhileOpen([&](TForm4& pad) {
        DoubleClick(Key(pad, '7'));
        EXPECT_EQ(Shown(pad), "77");
        ClickDigits(pad, "AB");
        DoubleClick(Key(pad, '<'));
        EXPECT_EQ(Shown(pad), "77");
        pad.Close();
    });
}

TEST_F(HexPadWindowTest, EachOpeningStartsEmpty) {
    WhileOpen([&](TForm4& pad) {
        // Handing the activation to the blocked main window and back keeps the digits.
        QEvent away(QEvent::WindowDeactivate), back(QEvent::WindowActivate);
        QApplication::sendEvent(Widget(pad), &back);
        ClickDigits(pad, "12");
        QApplication::sendEvent(Widget(pad), &away);
        QApplication::sendEvent(Widget(pad), &back);
        EXPECT_EQ(Shown(pad), "12");
        pad.Close();
    });
    WhileOpen([&](TForm4& pad) {
        EXPECT_EQ(Shown(pad), "0");
        EXPECT_STREQ(HexDigits, "0");
        pad.Close();
    });
}

TEST_F(HexPadWindowTest, PlacedOverTheKeypadAndKeptOnTheScreen) {
    const int rows = main->Height() - main->ClientHeight() + 16 + 12 - 1;
    WhileOpen([&](TForm4& pad) {
        EXPECT_EQ(pad.Left(), main->Left() + 4);
        EXPECT_EQ(pad.Top(), main->Top() + rows);
        pad.Close();
    });
    main->SetPosition(10, ScreenHeight() - rows - 20);
    WhileOpen([&](TForm4& pad) {
        EXPECT_EQ(pad.Top(), ScreenHeight() - 64);
        pad.Close();
    });
}

TEST_F(HexPadWindowTest, KeysSitInTheirBlockAndTheMenuHidesTheCloseShortcuts) {
    WhileOpen([&](TForm4& pad) {
        struct Expected {
            const char* name;
            QRect box;  // in the pad's client coordinates, though the keys lie in a block
            int tag;    // the delete key carries the backspace code, "Ent" the Enter code
            // clang-format off
        } controls[] = {
            {"Label1", {0, 12, 135, 12}, 0},   {"Panel4", {0, 24, 16, 12}, 0},
            {"Panel19", {112, 36, 16, 12}, 0}, {"Panel20", {128, 24, 24, 12}, 8},
            {"Panel21", {128, 36, 24, 12}, 13}, {"Panel2", {88, 51, 64, 13}, 0},
        };
        // clang-format on
        for (const auto& e : controls) {
            Panel* p = pad.Control(e.name);
            ASSERT_NE(p, nullptr) << e.name;
            EXPECT_EQ(QRect(Widget(*p)->mapTo(Widget(pad), QPoint(0, 0)), Widget(*p)->size()), e.box) << e.name;
            EXPECT_EQ(p->Tag, e.tag) << e.name;
        }
        std::string shown;
        for (std::size_t i = 0; i < pad.Menu()->Items().size(); ++i)
            if (pad.Menu()->Shown(i)) shown += pad.Menu()->Items()[i].Name + " ";
        EXPECT_EQ(shown, "KC1 K16H1 N1 KX1 ");
        pad.Close();
    });
}

TEST_F(HexPadWindowTest, DraggedByTheBackgroundAndItsLabels) {
    // A press on `control`; the move and the release go to the pad, which holds the
    // mouse while it is dragged.
    auto pressAndMove = [](TForm4& pad, QWidget* control) {
        const QPoint start = Widget(pad)->pos();
        QTest::mousePress(control, Qt::LeftButton, {}, QPoint(3, 3));
        const QPoint to = control->mapTo(Widget(pad), QPoint(13, 8));
        QMouseEvent move(QEvent::MouseMove, QPointF(to), QPointF(Widget(pad)->mapToGlobal(to)), Qt::NoButton,
                         Qt::LeftButton, {});
        QApplication::sendEvent(Widget(pad), &move);
        QMouseEvent up(QEvent::MouseButtonRelease, QPointF(to), QPointF(Widget(pad)->mapToGlobal(to)), Qt::LeftButton,
                       Qt::NoButton, {});
        QApplication::sendEvent(Widget(pad), &up);
        return Widget(pad)->pos() - start;
    };
    WhileOpen([&](TForm4& pad) {
        EXPECT_EQ(pressAndMove(pad, Widget(pad)), QPoint(10, 5));
        EXPECT_EQ(pressAndMove(pad, Widget(*pad.Control("Label2"))), QPoint(10, 5));
        EXPECT_EQ(pressAndMove(pad, Widget(*pad.Control("Label3"))), QPoint(10, 5));
        EXPECT_EQ(pressAndMove(pad, Widget(*pad.Control("Label1"))), QPoint(0, 0));  // the display copies
        EXPECT_EQ(pressAndMove(pad, Widget(*pad.Control("Panel14"))), QPoint(0, 0));
        pad.Close();
    });
}

}  // namespace
}  // namespace abacone
