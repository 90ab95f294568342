#include "platform/controls.h"
#include "platform/menu.h"
#include "platform/services/keycodes.h"
#include "ui/hexpad/logic/hexpad_logic.h"
#include "ui/hexpad/tform4.h"

namespace abacone {

TForm4* Form4 = nullptr;

namespace {

using F = TForm4;
constexpr int C = scCtrl;
constexpr ControlKind L = ControlKind::Label, P = ControlKind::Panel;
constexpr DoubleClick Once = DoubleClick::Ignore, Twice = DoubleClick::AsClick;

constexpr FontSpec WindowText{13, true, false, color::Black};
constexpr FontSpec WhiteItalic{13, true, true, color::White};
constexpr FontSpec KeyText{12, true, false, color::White};  // the key block's own font

// Name, kind, box, caption, hint, spoken name, keyboard key, alignment, colour, font,
// click, double-click, mouse down.
// clang-format off
constexpr ControlSpec<F> kControls[] = {
    {"Label3", L, {8, 0, 120, 12}, "16進数入力パッド", "", nullptr, nullptr, Align::Left, color::Teal, WindowText,
     nullptr, Once, &F::FormMouseDown},
    {"Label1", L, {0, 12, 135, 12}, "0", "", "16進数入力表示", nullptr, Align::Right, color::White, WindowText,
     &F::Panel2Click, Once},
    {"Label2", L, {137, 12, 16, 12}, "h", "", nullptr, nullptr, Align::Left, color::Teal, WhiteItalic, nullptr, Once,
     &F::FormMouseDown},
    {"Panel3", L, {0, 24, 152, 25}, "", "", nullptr, nullptr, Align::Left, color::Teal, KeyText, nullptr, Once},
    {"Panel1", P, {0, 51, 88, 13}, "閉じる", "１０進数入力に戻る", "閉じる", "Esc, Ctrl+X", Align::Centre,
     color::Silver, WindowText, &F::Panel1Click, Once},
    {"Panel2", P, {88, 51, 64, 13}, "複写", "16進数で複写", "複写", "Ctrl+C, Ctrl+H", Align::Centre,
     color::Silver, WindowText, &F::Panel2Click, Once},
};
// clang-format on

// The keys inside the block "Panel3" (boxes relative to it). The digit keys' handler
// takes their caption's first character, the delete key's handler its tag (8, the
// backspace code); "Ent" carries the Enter code and acts once per press.
struct KeySpec {
    const char* Name;
    Box Bounds;
    const char* Caption;
    const char* Hint;
    const char* Keys;  // the keyboard keys, for the spoken description
    int Tag;
    void (F::*Click)(Panel*);
    DoubleClick Double = Twice;
};
constexpr KeySpec kKeys[] = {
    {"Panel4", {0, 0, 16, 12}, "0", "0000", "0", 0, &F::Panel3Click},
    {"Panel5", {16, 0, 16, 12}, "1", "0001", "1", 0, &F::Panel3Click},
    {"Panel6", {32, 0, 16, 12}, "2", "0010", "2", 0, &F::Panel3Click},
    {"Panel7", {48, 0, 16, 12}, "3", "0011", "3", 0, &F::Panel3Click},
    {"Panel8", {64, 0, 16, 12}, "4", "0100", "4", 0, &F::Panel3Click},
    {"Panel9", {80, 0, 16, 12}, "5", "0101", "5", 0, &F::Panel3Click},
    {"Panel10", {96, 0, 16, 12}, "6", "0110", "6", 0, &F::Panel3Click},
    {"Panel11", {112, 0, 16, 12}, "7", "0111", "7", 0, &F::Panel3Click},
    {"Panel12", {0, 12, 16, 12}, "8", "1000", "8", 0, &F::Panel3Click},
    {"Panel13", {16, 12, 16, 12}, "9", "1001", "9", 0, &F::Panel3Click},
    {"Panel14", {32, 12, 16, 12}, "A", "1010", "A, /, Insert, F1, F7", 0, &F::Panel3Click},
    {"Panel15", {48, 12, 16, 12}, "B", "1011", "B, *, Home, F2, F8", 0, &F::Panel3Click},
    {"Panel16", {64, 12, 16, 12}, "C", "1100", "C, -, Page Up, F3, F9", 0, &F::Panel3Click},
    {"Panel17", {80, 12, 16, 12}, "D", "1101", "D, +, Delete, F4, F10", 0, &F::Panel3Click},
    {"Panel18", {96, 12, 16, 12}, "E", "1110", "E, ., End, F5, F11", 0, &F::Panel3Click},
    {"Panel19", {112, 12, 16, 12}, "F", "1111", "F, Space, カンマ, Page Down, F6, F12", 0, &F::Panel3Click},
    {"Panel20", {128, 0, 24, 12}, "←", "削除", "Backspace, ←", 8, &F::Panel19Click},
    {"Panel21", {128, 12, 24, 12}, "Ent", "入力", "Enter", 13, &F::Panel20Click, Once},
};

// Level, name, caption, shortcut, flags, handler.
constexpr MenuSpec<F> kMenu[] = {
    {0, "KC1", "複写:&C", C + 'C', 0, &F::Panel2Click},
    {0, "K16H1", "複写:&H", C + 'H', 0, &F::Panel2Click},
    {0, "N1", "-", 0, 0, nullptr},
    {0, "KX1", "閉窓:&X", C + 'X', 0, &F::Panel1Click},
    {0, "close1", "close", C + vk::End, mfHidden, &F::Panel1Click},
    {0, "close2", "close", vk::Escape, mfHidden, &F::Panel1Click},
};

void ClosePad() {
    if (Form4) Form4->Close();
}

}  // namespace

void TForm4::BuildLayout() {
    BuildControls<F>(*this, nullptr, kControls);
    Panel* block = Control("Panel3");
    // Where every press counts, also when two come fast, the double-click repeats the click.
    for (const KeySpec& k : kKeys) {
        Panel* key =
            AddPanel(*this, block, k.Name, P, k.Bounds, k.Caption, k.Hint, Align::Centre, color::Navy, KeyText);
        key->Tag = k.Tag;
        // Said as their caption; "←" and "Ent" by their hint.
        DescribePanel(*key, true, k.Tag ? k.Hint : nullptr, k.Keys);
        key->OnClick = [this, key, click = k.Click] { (this->*click)(key); };
        if (k.Double == Twice) key->OnDblClick = key->OnClick;
    }
    label1_ = Control("Label1");
    SetFocusHome(label1_);
}

void TForm4::BuildMenu() { SetPopupMenu(std::make_unique<PopupMenu>(MenuItems<F>(*this, kMenu))); }

TForm4::TForm4() : Form(BorderStyle::None, true) {
    SetFont(WindowText);
    SetColor(color::Teal);
    SetClientSize(152, 64);
    SetHint("16進数入力");
    BuildLayout();
    BuildMenu();
    FormCreate();
}

TForm4::~TForm4() {
    if (Form4 == this) Form4 = nullptr;
    if (HexPadCloser == &ClosePad) HexPadCloser = nullptr;
}

void TForm4::FormCreate() {
    HexPadOpen = 1;
    HexPadCloser = &ClosePad;
    // The digits outlive the pad; clear them now too, in case no activation arrives.
    HexPadReset();
    Render();
}

}  // namespace abacone
