#include "tests/ui/main_window_fixture.h"

namespace abacone {
namespace {

// Pixels that differ between two grabs of the window, as one bounding box.
QRect Changed(const QImage& a, const QImage& b) {
    QRect box;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y)) box |= QRect(x, y, 1, 1);
    return box;
}

// The window looks as it always did until Tab moves the focus; then the mark covers the
// reached key's outer ring and nothing else, and a click takes it away again.
TEST_F(MainWindowTest, OnlyTheKeyboardDrawsTheFocusMark) {
    QWidget* window = Widget(*form);
    window->show();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    QWidget* display = Widget(*Control("Label1"));
    ASSERT_EQ(QApplication::focusWidget(), display);
    const QImage plain = window->grab().toImage();

    QWidget* seven = Widget(*Control("Panel10"));
    seven->setFocus(Qt::OtherFocusReason);
    EXPECT_EQ(Changed(plain, window->grab().toImage()), QRect());

    display->setFocus(Qt::OtherFocusReason);
    QTest::keyClick(display, Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), seven);
    const QImage marked = window->grab().toImage();
    EXPECT_EQ(Changed(plain, marked), seven->geometry());
    EXPECT_EQ(marked.pixel(seven->geometry().center()), plain.pixel(seven->geometry().center()));

    // Shift+Tab from the first key reaches the display; from there the last key shown,
    // not one of the hidden extended rows.
    QTest::keyClick(seven, Qt::Key_Backtab, Qt::ShiftModifier);
    ASSERT_EQ(QApplication::focusWidget(), display);
    QTest::keyClick(display, Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(QApplication::focusWidget(), Widget(*Control("Panel17")));

    QTest::mouseClick(Widget(*Control("Panel20")), Qt::LeftButton);  // "Ｃ": the display stays 0
    EXPECT_EQ(QApplication::focusWidget(), display);
    EXPECT_EQ(Changed(plain, window->grab().toImage()), QRect());
}

}  // namespace
}  // namespace abacone
