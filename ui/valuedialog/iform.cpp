#include "ui/valuedialog/iform.h"

#include <array>
#include <string>

#include "platform/application.h"
#include "platform/controls.h"
#include "platform/menu.h"
#include "ui/geometry/window_geometry.h"

namespace abacone {

TIForm* IForm = nullptr;

namespace {

using F = TIForm;
constexpr ControlKind L = ControlKind::Label, P = ControlKind::Panel;
constexpr Align Left = Align::Left;
constexpr DoubleClick Once = DoubleClick::Ignore;
constexpr FontSpec Text{12, true, false, color::White};
constexpr FontSpec EditFont{13, true, false, color::White};
constexpr Rgb Black = color::Black;

constexpr std::array<ControlSpec<F>, 1> Frame{{
    {"Panel1", P, {0, 0, 164, 68}, "", "", nullptr, nullptr, Left, Black, Text, nullptr, Once, &F::Panel1MouseDown},
}};

constexpr std::array<ControlSpec<F>, 2> Lines{{
    {"Label1", L, {2, 2, 8, 12}, "X", "", nullptr, nullptr, Left, Black, Text, nullptr, Once, &F::Panel1MouseDown},
    {"Label2", L, {2, 16, 8, 12}, "!", "", nullptr, nullptr, Left, Black, Text, nullptr, Once, &F::Panel1MouseDown},
}};

struct ButtonSpec {
    const char* Name;
    Box Bounds;
    const char* Caption;
    const char* Hint;
    const char* Spoken;  // what a screen reader calls it: its function, not the caption
    const char* Keys;
    void (F::*Click)();
};

constexpr std::array<ButtonSpec, 2> Buttons{{
    {"Button1", {2, 48, 80, 18}, "&Enter.", "入力", "値を入力", "Enter, Alt+E", &F::Button1Click},
    {"Button2", {82, 48, 80, 18}, "&Cancel", "取りやめ", "取りやめ", "Esc, Ctrl+End, Alt+C", &F::Button2Click},
}};

// Hidden entries that only carry the two cancelling shortcuts.
constexpr std::array<MenuSpec<F>, 2> Shortcuts{{
    {0, "x1", "x", vk::Escape, mfHidden, &F::Button2Click},
    {0, "x2", "x", scCtrl + vk::End, mfHidden, &F::Button2Click},
}};

constexpr int EditLimit = 32;
// The dialog's top lies on the main window's hexadecimal line, just under the decimal one.
constexpr int HexLineRow = 16;

}  // namespace

TIForm::TIForm() : Form(BorderStyle::None, true) {
    SetName("IForm");
    SetClientSize(164, 68);
    SetColor(color::Navy);
    SetFont(Text);

    Panel* panel1 = BuildControls<F>(*this, nullptr, Frame).front();
    panel1->SetBevel(2);
    const auto lines = BuildControls<F>(*this, panel1, Lines);
    label1_ = lines[0];
    label2_ = lines[1];
    for (Panel* line : lines) line->SetAutoSize(true);

    edit1_ = AddEdit(*this, panel1, "Edit1", {2, 30, 160, 18});
    edit1_->SetColors(Black, EditFont);
    edit1_->SetMaxLength(EditLimit);
    edit1_->SetText("0");

    for (const ButtonSpec& b : Buttons) {
        Button* button = AddButton(*this, panel1, b.Name, b.Bounds, b.Caption, b.Hint);
        button->OnClick = [this, click = b.Click] { (this->*click)(); };
        DescribeButton(*button, b.Spoken, b.Hint, b.Keys);
        if (b.Click == &F::Button1Click) SetDefaultButton(button);
    }

    SetPopupMenu(std::make_unique<PopupMenu>(MenuItems<F>(*this, Shortcuts)));
    SetAutoPopup(false);
    IForm = this;
}

TIForm::~TIForm() {
    if (IForm == this) IForm = nullptr;
}

ValueDialogService::Answer TIForm::Ask(std::string_view title, std::string_view prompt) {
    Tag = 1;
    label1_->SetCaption(title);
    label2_->SetCaption(prompt);
    edit1_->SetAccessibleName(std::string(title) + " " + std::string(prompt));
    edit1_->SetText("0");
    if (const Form* owner = MainForm()) {
        const Point at = OverClientRow(owner->Bounds(), owner->FrameInsets(), HexLineRow);
        SetPosition(at.X, at.Y);
    }

    const std::weak_ptr<int> alive = Life();
    ShowModal();
    if (alive.expired()) return {};
    return {Tag == 0, edit1_->Text()};
}

void TIForm::Button1Click() {
    Tag = 0;
    Close();
}

void TIForm::Button2Click() { Close(); }

// The edit box takes the focus with its preset selected, so the first key replaces it.
void TIForm::FormShow() { edit1_->FocusAndSelectAll(); }

void TIForm::Panel1MouseDown(MouseButton button, Point globalPos) { DragByBody(button, globalPos); }

void TIForm::Shown(bool bySystem) {
    if (!bySystem) FormShow();
}

}  // namespace abacone
