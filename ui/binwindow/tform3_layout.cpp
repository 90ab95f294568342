#include "platform/application.h"
#include "platform/controls.h"
#include "platform/menu.h"
#include "platform/services/keycodes.h"
#include "ui/binwindow/tform3.h"
#include "ui/geometry/open_flags.h"

namespace abacone {

TForm3* Form3 = nullptr;

namespace {

using F = TForm3;
constexpr int C = scCtrl;
constexpr unsigned Hidden = mfHidden;

constexpr FontSpec WindowText{13, true, false, color::Black};
constexpr FontSpec BinaryDigits{11, true, false, color::White};

// Name, kind, box, caption, hint, spoken name, keyboard key, alignment, colour, font, click,
// double-click. The binary label is added apart because it wraps; the copy panel takes the
// face colour.
// clang-format off
constexpr ControlSpec<F> kControls[] = {
    {"Panel1", ControlKind::Panel, {90, 34, 56, 18}, "Copy", "", "複写", "Ctrl+C", Align::Centre, color::Silver,
     WindowText, &F::Button2Click, DoubleClick::Ignore},
};
// clang-format on

// Level, name, caption, shortcut, flags, handler. "Hide" is never shown; its entries
// exist for their shortcuts.
constexpr MenuSpec<F> kMenu[] = {
    {0, "KX1", "閉窓:&X", C + 'X', 0, &F::KX1Click},
    {0, "KC1", "複写:&C", C + 'C', 0, &F::KC1Click},
    {0, "Hide1", "Hide", 0, Hidden, nullptr},
    {1, "up1", "up", C + vk::Up, Hidden, &F::up1Click},
    {1, "down1", "down", C + vk::Down, Hidden, &F::down1Click},
    {1, "left1", "left", C + vk::Left, Hidden, &F::left1Click},
    {1, "right1", "right", C + vk::Right, Hidden, &F::right1Click},
    {1, "def1", "def", C + vk::Home, 0, &F::def1Click},
    {1, "close1", "close", C + vk::End, 0, &F::Button1Click},
    {1, "close2", "close", vk::Escape, 0, &F::Button1Click},
};

}  // namespace

void TForm3::BuildLayout() {
    label1_ = AddPanel(*this, nullptr, "Label1", ControlKind::Label, {2, 2, 144, 32}, "0", "２進数表示", Align::Left,
                       color::Black, BinaryDigits);
    label1_->SetWordWrap(true);
    label1_->OnClick = [this] { Label1Click(); };
    DescribePanel(*label1_, false, "2進数表示", nullptr);

    button1_ = AddButton(*this, nullptr, "Button1", {2, 34, 88, 18}, "閉じる:&X", "");
    button1_->OnClick = [this] { Button1Click(); };
    DescribeButton(*button1_, "閉じる", "", "Enter, Esc, Ctrl+X, Ctrl+End, Alt+X");
    SetDefaultButton(button1_);

    BuildControls<F>(*this, nullptr, kControls);
    Control("Panel1")->SetColor(ButtonFaceColor());
}

void TForm3::BuildMenu() { SetPopupMenu(std::make_unique<PopupMenu>(MenuItems<F>(*this, kMenu))); }

TForm3::TForm3() : Form(BorderStyle::None, true) {
    SetFont(WindowText);
    SetColor(color::Teal);
    SetClientSize(148, 54);
    BuildLayout();
    BuildMenu();
    FormCreate();
}

TForm3::~TForm3() {
    if (Form3 == this) Form3 = nullptr;
}

void TForm3::FormCreate() { BinaryWindowOpen = 1; }

}  // namespace abacone
