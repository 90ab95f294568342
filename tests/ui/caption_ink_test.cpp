// Every caption and display text shows all of its ink inside its control. Each panel and
// label of every window, found through the window's own children (so a control added
// to a layout table is covered without touching this file), is drawn once as the
// window shows it and once unclipped on a large canvas; the two must cover the same
// number of pixels. Push buttons and edit boxes, which the toolkit's style draws, must
// show their text's full height away from their edges.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "engine/calc_state.h"
#include "platform/panel.h"
#include "platform/qt/caption.h"
#include "platform/qt/qt_window.h"
#include "platform/services/services.h"
#include "tests/platform/ink.h"
#include "tests/support/caption_cases.h"
#include "ui/binwindow/logic/binwindow_logic.h"
#include "ui/binwindow/tform3.h"
#include "ui/hexpad/logic/hexpad_logic.h"
#include "ui/hexpad/tform4.h"
#include "ui/main/form1.h"
#include "ui/main/reset.h"
#include "ui/valuedialog/iform.h"

namespace abacone {
namespace {

// The ink of one panel, as shown and as drawn without any clip.
struct PanelInk {
    int Shown = 0;
    int Unclipped = 0;
    QRect Box;  // where the shown ink lies, in the control
};

PanelInk MeasurePanel(Panel::Impl& panel) {
    PanelInk ink;
    QImage shown(panel.size(), QImage::Format_RGB32);
    panel.render(&shown);
    ink.Box = InkRect(shown, panel.CaptionArea(), panel.background);
    ink.Shown = CountInk(shown, panel.CaptionArea(), panel.background);

    const int margin = 3 * std::max(panel.width(), panel.height());
    QImage canvas(panel.width() + 2 * margin, panel.height() + 2 * margin, QImage::Format_RGB32);
    canvas.fill(QColor::fromRgb(panel.background));
    {
        QPainter p(&canvas);
        p.translate(margin, margin);
        panel.PaintCaption(p);
    }
    ink.Unclipped = CountInk(canvas, canvas.rect(), panel.background);
    return ink;
}

std::string Where(const QWidget& window, const QWidget& control, const QString& text) {
    return window.objectName().toStdString() + "/" + control.objectName().toStdString() + " \"" + text.toStdString() +
           "\"";
}

// Checks every panel and label of `window` as it stands now.
void CheckPanels(QWidget& window, const char* state) {
    int checked = 0;
    for (QWidget* child : window.findChildren<QWidget*>()) {
        auto* panel = dynamic_cast<Panel::Impl*>(child);
        if (!panel || panel->caption.trimmed().isEmpty()) continue;
        const std::string where = std::string(state) + ": " + Where(window, *panel, panel->caption);
        const PanelInk ink = MeasurePanel(*panel);
        ++checked;
        EXPECT_GT(ink.Unclipped, 0) << where;
        EXPECT_EQ(ink.Shown, ink.Unclipped) << where << ": pixels lost at the control's edge";
        if (ink.Box.isEmpty()) continue;
        const QRect area = panel->CaptionArea();
        const int left = ink.Box.left() - area.left(), right = area.right() - ink.Box.right();
        const int top = ink.Box.top() - area.top(), bottom = area.bottom() - ink.Box.bottom();
        if (panel->alignment == Align::Centre) {
            EXPECT_LE(std::abs(left - right), 1) << where;
        }
        if (panel->alignment == Align::Right) {
            EXPECT_GE(right, 1) << where << ": last column touches";
        }
        // Centred by ink, give or take the room a descender or a tall sign takes; a point
        // or a dash keeps its place on the line, and a wrapped text starts at the top.
        if (!panel->wordWrap && 2 * ink.Box.height() >= area.height()) {
            EXPECT_LE(std::abs(top - bottom), 3) << where << " top " << top << " bottom " << bottom;
        }
    }
    EXPECT_GT(checked, 0) << state;
}

// Buttons and edit boxes: the rows their text covers are the difference between the
// control drawn with and without it.
void CheckStyledText(QWidget& window, const char* state) {
    struct Styled {
        QWidget* Control;
        std::function<QString()> Get;
        std::function<void(const QString&)> Set;
        QString Visible;  // the text as drawn: an access letter's "&" is not
    };
    std::vector<Styled> controls;
    for (QPushButton* b : window.findChildren<QPushButton*>())  // QPushButton has one
        controls.push_back({b, [b] { return b->text(); }, [b](const QString& t) { b->setText(t); },
                            QString(b->text()).remove(QLatin1Char('&'))});
    for (QLineEdit* e : window.findChildren<QLineEdit*>())
        controls.push_back({e, [e] { return e->text(); }, [e](const QString& t) { e->setText(t); }, e->text()});
    for (const Styled& s : controls) {
        const QString text = s.Get();
        const std::string where = std::string(state) + ": " + Where(window, *s.Control, text);
        const QImage with = s.Control->grab().toImage();
        s.Set(QString());
        const QImage without = s.Control->grab().toImage();
        s.Set(text);
        const QRect ink = DifferenceRect(with, without);
        ASSERT_FALSE(ink.isEmpty()) << where;
        const QRect inside = s.Control->rect().adjusted(1, 1, -1, -1);
        EXPECT_TRUE(inside.contains(ink)) << where << ": text reaches the control's edge";
        EXPECT_GE(ink.height(), InkBox(s.Control->font(), s.Visible).height()) << where << ": rows lost";
    }
}

class CaptionInkTest : public testing::Test {
protected:
    void SetUp() override {
        ResetWindowState();
        SetClipboard(&clipboard);
        main = std::make_unique<TForm1>();
        main->SetName("Form1");
    }
    void TearDown() override {
        main.reset();
        SetClipboard(nullptr);
        ResetWindowState();
    }
    void Type(const std::string& keys) {
        for (char c : keys) TypeKey(*Widget(*main), c);
    }

    MemoryClipboard clipboard;
    std::unique_ptr<TForm1> main;
};

// The main window, compact and extended, with its widest values on every display line.
TEST_F(CaptionInkTest, MainWindowShowsEveryCaptionWhole) {
    for (const auto& s : MainWindowCaptionCases) {
        Type(std::string("\x1b") + s.Keys);
        ASSERT_EQ(main->Control("Label1")->Caption(), s.Decimal) << s.State;
        for (int height : {76, 186}) {
            main->SetClientHeight(height);
            CheckPanels(*Widget(*main), s.State);
        }
    }
    EXPECT_EQ(main->Control("Label3")->Caption(), "FFFFFFFF");
    EXPECT_EQ(main->Control("Memory2h")->Caption(), "FFFFFFFF");
}

TEST_F(CaptionInkTest, HexPadShowsEveryCaptionWhole) {
    TForm4 pad;
    pad.SetName("Form4");
    CheckPanels(*Widget(pad), "empty");
    for (int i = 0; i < HexDigitsMax; ++i) HexPadAddDigit('F');
    pad.Render();
    ASSERT_EQ(pad.Control("Label1")->Caption(), "FFFFFFFF");
    CheckPanels(*Widget(pad), "eight digits");
}

TEST_F(CaptionInkTest, BinaryWindowShowsEveryCaptionWhole) {
    Type(
        "\x1b"
        "0-1=");
    TForm3 window;
    window.SetName("Form3");
    window.ShowBinary(BinaryWindowText());
    const std::string bits = window.Control("Label1")->Caption();
    ASSERT_EQ(std::count(bits.begin(), bits.end(), '1'), 32);
    CheckPanels(*Widget(window), "all ones");
    CheckStyledText(*Widget(window), "all ones");
}

TEST_F(CaptionInkTest, ValueDialogShowsEveryCaptionWhole) {
    TIForm dialog;
    for (const auto& u : ValueDialogCaptionCases) {
        dialog.Control("Label1")->SetCaption(u.Title);
        dialog.Control("Label2")->SetCaption(u.Prompt);
        Widget(dialog)->findChild<QLineEdit*>(QStringLiteral("Edit1"))->setText(QString::fromUtf8(u.Typed));
        CheckPanels(*Widget(dialog), u.Title);
        CheckStyledText(*Widget(dialog), u.Title);
    }
}

}  // namespace
}  // namespace abacone
