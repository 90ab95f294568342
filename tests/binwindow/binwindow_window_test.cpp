#include <gtest/gtest.h>

#include <QApplication>
#include <functional>
#include <string>

#include "platform/application.h"
#include "tests/binwindow/aux_window_fixture.h"
#include "ui/binwindow/binwindow.h"
#include "ui/binwindow/tform3.h"
#include "ui/geometry/open_flags.h"
#include "ui/main/reset.h"

namespace abacone {
namespace {

class BinaryWindowTest : public AuxWindowTest {
protected:
    // Opens the window through the "Bin" panel and runs `inside` while it is up.
    bool WhileOpen(const std::function<void(TForm3&)>& inside) {
        return WhileModal([this] { Click(main->Control("Panel21")); },
                          [&] {
                              ASSERT_NE(Form3, nullptr);
                              inside(*Form3);
                          });
    }
    static std::string Shown(TForm3& w) { return w.Control("Label1")->Caption(); }
    // The top the window takes when it opens: on the last row of the hexadecimal line.
    int OpenTop() const { return main->Top() + main->Height() - main->ClientHeight() + 16 + 12 - 1; }
};

TEST_F(BinaryWindowTest, EveryCommandOfTheMainWindowOpensIt) {
    struct Opener {
        const char* what;
        std::function<void(TForm1&)> open;
    } openers[] = {
        {"Bin panel", [](TForm1& m) { Click(m.Control("Panel21")); }},
        {"h label", [](TForm1& m) { Click(m.Control("Label4")); }},
        {"Shift+Ctrl+B", [](TForm1& m) { Press(&m, Qt::Key_B, Qt::ShiftModifier | Qt::ControlModifier); }},
        {"Page Up", [](TForm1& m) { Press(&m, Qt::Key_PageUp); }},
        {"b", [](TForm1& m) { TypeChar(&m, 'b'); }},
        {"B", [](TForm1& m) { TypeChar(&m, 'B'); }},
        {"double quote", [](TForm1& m) { Press(&m, Qt::Key_QuoteDbl, Qt::ShiftModifier, "\""); }},
    };
    for (const auto& o : openers) {
        bool seen = false;
        const bool ran = WhileModal([&] { o.open(*main); },
                                    [&] {
                                        ASSERT_NE(Form3, nullptr);
                                        seen = Form3->Visible() && BinaryWindowOpen == 1;
                                        Form3->Close();
                                    });
        EXPECT_TRUE(ran && seen) << o.what;
        EXPECT_EQ(Form3, nullptr) << o.what;
        EXPECT_EQ(BinaryWindowOpen, 0) << o.what;
    }
}

TEST_F(BinaryWindowTest, EveryCloseCommandEndsItAndTheMainWindowTakesInputAgain) {
    struct Closer {
        const char* what;
        std::function<void(TForm3&)> close;
    } closers[] = {
        {"Enter", [](TForm3& w) { Press(&w, Qt::Key_Return, {}, "\r"); }},
        {"Esc", [](TForm3& w) { Press(&w, Qt::Key_Escape, {}, "\x1b"); }},
        {"Ctrl+End", [](TForm3& w) { Press(&w, Qt::Key_End, Qt::ControlModifier); }},
        {"Ctrl+X", [](TForm3& w) { Press(&w, Qt::Key_X, Qt::ControlModifier, "\x18"); }},
        {"Alt+X", [](TForm3& w) { Press(&w, Qt::Key_X, Qt::AltModifier, "x"); }},
        {"x", [](TForm3& w) { TypeChar(&w, 'x'); }},
        {"close button", [](TForm3& w) { Click(w.CloseButton()); }},
    };
    for (const auto& c : closers) {
        ResetWindowState();
        TypeOnMain("12+3=");
        EXPECT_TRUE(WhileOpen([&](TForm3& w) { c.close(w); })) << c.what;
        EXPECT_EQ(BinaryWindowOpen, 0) << c.what;
        EXPECT_EQ(MainShows(), "15") << c.what;  // Enter did not reach the main window
        TypeOnMain("7");
        EXPECT_EQ(MainShows(), "7") << c.what;
    }
}

TEST_F(BinaryWindowTest, ShowsAndCopiesTheResult) {
    TypeOnMain("255=5");  // the 5 being typed is not part of the result
    const std::string indicator = main->Control("Label2")->Caption();
    WhileOpen([&](TForm3& w) {
        EXPECT_EQ(Shown(w), "1111 1111");
        for (auto copy : std::initializer_list<std::function<void()>>{
                 [&] { Click(w.Control("Panel1")); },
                 [&] { Click(w.Control("Label1")); },
                 [&] { Press(&w, Qt::Key_C, Qt::ControlModifier, "\x03"); },
             }) {
            clipboard.Clear();
            copy();
            EXPECT_EQ(Copied(), "0b11111111");
        }
        EXPECT_TRUE(Widget(w)->isVisible());  // copying keeps the window open
        w.Close();
    });
    EXPECT_EQ(main->Control("Label2")->Caption(), indicator);  // no copy mark
}

TEST_F(BinaryWindowTest, OpensOverTheKeypadAndMovesWithinTheScreen) {
    const int sw = ScreenWidth(), sh = ScreenHeight();
    WhileOpen([&](TForm3& w) {
        const int openTop = OpenTop();
        EXPECT_EQ(w.Left(), main->Left());
        EXPECT_EQ(w.Top(), openTop);
        EXPECT_EQ(BinaryWindowHeight, 54);

        struct Move {
            QPoint from;
            int key;
            QPoint to;
        } moves[] = {
            {{100, 100}, Qt::Key_Up, {100, 84}},
            {{100, 0}, Qt::Key_Up, {100, 0}},
            {{100, 10}, Qt::Key_Up, {100, 0}},
            {{100, 100}, Qt::Key_Down, {100, 116}},
            {{100, sh - 60}, Qt::Key_Down, {100, sh - 54}},
            {{100, 100}, Qt::Key_Left, {84, 100}},
            {{7, 100}, Qt::Key_Left, {0, 100}},
            {{100, 100}, Qt::Key_Right, {116, 100}},
            {{sw - 150, 100}, Qt::Key_Right, {sw - 148, 100}},
        };
        for (const auto& m : moves) {
            w.SetPosition(m.from.x(), m.from.y());
            Press(&w, m.key, Qt::ControlModifier);
            EXPECT_EQ(QPoint(w.Left(), w.Top()), m.to) << m.from.x() << "," << m.from.y() << " key " << m.key;
        }

        // Back to the default place, two pixels below the opening place, also after a drag.
        Drag(&w, QPoint(147, 10), QPoint(30, 40));
        EXPECT_NE(w.Top(), openTop + 2);
        Press(&w, Qt::Key_Home, Qt::ControlModifier);
        EXPECT_EQ(QPoint(w.Left(), w.Top()), QPoint(main->Left(), openTop + 2));
        w.Close();
    });
}

TEST_F(BinaryWindowTest, KeyboardFocusAndShownMenu) {
    WhileOpen([&](TForm3& w) {
        EXPECT_EQ(Widget(w)->focusWidget(), Widget(*w.CloseButton()));
        // Only the two top entries ever show; "Hide" and its entries carry shortcuts.
        std::string shown;
        for (std::size_t i = 0; i < w.Menu()->Items().size(); ++i)
            if (w.Menu()->Shown(i)) shown += w.Menu()->Items()[i].Name + " ";
        EXPECT_EQ(shown, "KX1 KC1 ");
        w.Close();
    });
}

TEST_F(BinaryWindowTest, LongTextWrapsInsideTheLabel) {
    TypeOnMain("0-1=");
    WhileOpen([&](TForm3& w) {
        // 39 characters do not fit one line of the 144-pixel label: white digits must
        // appear below the first line.
        Panel* label = w.Control("Label1");
        const QImage image = Widget(*label)->grab().toImage();
        const int firstLine = QFontMetrics(Widget(*label)->font()).height();
        bool below = false;
        for (int y = firstLine; y < image.height() && !below; ++y)
            for (int x = 0; x < image.width() && !below; ++x) below = qGray(image.pixel(x, y)) > 128;
        EXPECT_TRUE(below);
        w.Close();
    });
}

TEST_F(BinaryWindowTest, ASecondOpeningWhileOpenIsRefused) {
    WhileOpen([&](TForm3& w) {
        OpenBinaryWindow();  // returns at once
        EXPECT_EQ(Form3, &w);
        EXPECT_EQ(BinaryWindowOpen, 1);
        w.Close();
    });
    EXPECT_EQ(BinaryWindowOpen, 0);
}

}  // namespace
}  // namespace abacone
