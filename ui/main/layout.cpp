#include "platform/application.h"
#include "platform/controls.h"
#include "ui/main/form1.h"

namespace abacone {

TForm1* Form1 = nullptr;

namespace {

using F = TForm1;
constexpr ControlKind L = ControlKind::Label, P = ControlKind::Panel;
constexpr Align Mid = Align::Centre, Right = Align::Right;
constexpr DoubleClick Once = DoubleClick::Ignore, Twice = DoubleClick::AsClick;
constexpr Rgb Navy = color::Navy, Blue = color::Blue, White = color::White, Silver = color::Silver, Gray = color::Gray;

constexpr FontSpec Win = WindowFont;
constexpr FontSpec Decimal{15, true, false, color::Black};
constexpr FontSpec DecimalMemory{13, true, false, color::Black};
constexpr FontSpec SmallH{13, true, true, color::Silver};
constexpr FontSpec Indicator{13, true, false, color::Blue};
constexpr FontSpec Key12{12, true, false, color::White};

// Name, kind, box (left, top, width, height), caption, hint, spoken name, keyboard key,
// alignment, colour, font, click, double-click, mouse down.
// clang-format off
constexpr ControlSpec<F> kControls[] = {
    {"Label1", L, {0, 0, 172, 16}, "0", "10進数表示", "10進数表示", nullptr, Right, White, Decimal, &F::KC1Click, Once},
    {"Label3", L, {0, 16, 156, 12}, "0", "16進数表示", "16進数表示", nullptr, Right, Blue, Win, &F::KH2Click, Once},
    {"Label4", L, {156, 16, 16, 12}, "h", "", nullptr, nullptr, Mid, Blue, SmallH, &F::Label4Click, Once},
    {"Label2", L, {96, 28, 32, 12}, "+", "演算種別", "演算種別", nullptr, Mid, Silver, Indicator, nullptr, Once, &F::FormMouseDown},
    {"Memory1", L, {0, 100, 156, 12}, "0", "10進数表示 (M1)", "メモリー1 10進数表示", nullptr, Right, White, DecimalMemory, &F::Memory1Click, Once},
    {"Memory1h", L, {0, 112, 156, 12}, "0", "16進数表示 (M1)", "メモリー1 16進数表示", nullptr, Right, Blue, Win, &F::Memory1hClick, Once},
    {"Label5", L, {156, 112, 16, 12}, "h", "", nullptr, nullptr, Mid, Blue, SmallH, &F::Label5Click, Once},
    {"Memory2", L, {0, 136, 156, 12}, "0", "10進数表示 (M2)", "メモリー2 10進数表示", nullptr, Right, White, DecimalMemory, &F::Memory2Click, Once},
    {"Memory2h", L, {0, 148, 156, 12}, "0", "16進数表示 (M2)", "メモリー2 16進数表示", nullptr, Right, Blue, Win, &F::Memory2hClick, Once},
    {"Label8", L, {156, 148, 16, 12}, "h", "", nullptr, nullptr, Mid, Blue, SmallH, &F::Label8Click, Once},

    {"Panel10", P, {0, 28, 20, 12}, "7", "", "7", "7", Mid, Navy, Win, &F::LabelS7Click, Twice},
    {"Panel11", P, {20, 28, 20, 12}, "8", "", "8", "8", Mid, Navy, Win, &F::LabelS8Click, Twice},
    {"Panel12", P, {40, 28, 20, 12}, "9", "", "9", "9", Mid, Navy, Win, &F::LabelS9Click, Twice},
    {"Panel16", P, {64, 28, 32, 12}, "＋", "", "プラス", "+", Mid, Navy, Win, &F::LabelF1Click, Once},
    {"Panel20", P, {132, 28, 40, 12}, "Ｃ", "消去", "クリア", "Esc, Home", Mid, Navy, Win, &F::LabelF5Click, Once},
    {"Panel7", P, {0, 40, 20, 12}, "4", "", "4", "4", Mid, Navy, Win, &F::LabelS4Click, Twice},
    {"Panel8", P, {20, 40, 20, 12}, "5", "", "5", "5", Mid, Navy, Win, &F::LabelS5Click, Twice},
    {"Panel9", P, {40, 40, 20, 12}, "6", "", "6", "6", Mid, Navy, Win, &F::LabelS6Click, Twice},
    {"Panel15", P, {64, 40, 32, 12}, "－", "", "マイナス", "-", Mid, Navy, Win, &F::LabelF2Click, Once},
    {"Panel23", P, {96, 40, 32, 12}, "±", "", "正負反転", "Space, Z", Mid, Navy, Win, &F::LabelF9Click, Once},
    {"Panel19", P, {132, 40, 40, 12}, "C&E", "エラー解除", "エラー解除", "End, Ctrl+Tab", Mid, Navy, Win, &F::LabelF8Click, Once},
    {"Panel4", P, {0, 52, 20, 12}, "1", "", "1", "1", Mid, Navy, Win, &F::LabelS1Click, Twice},
    {"Panel5", P, {20, 52, 20, 12}, "2", "", "2", "2", Mid, Navy, Win, &F::LabelS2Click, Twice},
    {"Panel6", P, {40, 52, 20, 12}, "3", "", "3", "3", Mid, Navy, Win, &F::LabelS3Click, Twice},
    {"Panel14", P, {64, 52, 32, 12}, "×", "", "かける", "*", Mid, Navy, Win, &F::LabelF3Click, Once},
    {"Panel22", P, {96, 52, 32, 12}, "Hex", "16進数入力", "16進数入力", "Shift+Ctrl+H", Mid, Navy, Key12, &F::K161Click, Once},
    {"Panel18", P, {132, 52, 40, 12}, "Copy", "複写", "複写", "Ctrl+C", Mid, Navy, Win, &F::KC1Click, Once},
    {"Panel1", P, {0, 64, 20, 12}, "0", "", "0", "0", Mid, Navy, Win, &F::LabelS0Click, Twice},
    {"Panel2", P, {20, 64, 20, 12}, " ．", "", "小数点", ".", Mid, Navy, Win, &F::LabelSAClick, Twice},
    {"Panel3", P, {40, 64, 24, 12}, "＝", "", "イコール", "Enter, =, Page Down", Mid, Gray, Win, &F::Btn_EquClick, Once},
    {"Panel13", P, {64, 64, 32, 12}, "÷", "", "わる", "/", Mid, Navy, Win, &F::LabelF4Click, Once},
    {"Panel21", P, {96, 64, 32, 12}, "Bin", "２進数表示", "2進数表示", "B, \", Page Up", Mid, Navy, Key12, &F::Label4Click, Once},
    {"Panel17", P, {132, 64, 40, 12}, "←", "１字削除", "1字削除", "Backspace, Delete", Mid, Navy, Win, &F::LabelF6Click, Twice},

    {"Root", P, {0, 76, 34, 12}, "√", "平方根", "平方根", "Ctrl+R", Mid, Navy, Win, &F::RootClick, Twice},
    {"InputPM", P, {34, 76, 46, 12}, "入力±", "入力の正負反転", "入力の正負反転", "Ctrl+P", Mid, Navy, Win, &F::InputPMClick, Once},
    {"InputC", P, {80, 76, 46, 12}, "入力C", "入力のクリア", "入力のクリア", "Ctrl+F", Mid, Navy, Win, &F::InputCClick, Once},
    {"InputM", P, {126, 76, 46, 12}, "入力－", "入力値を負に", "入力値を負に", "Ctrl+N", Mid, Navy, Win, &F::InputMClick, Once},
    {"RM1", P, {0, 88, 64, 12}, "ＲＭ１", "メモリ１の再現", "メモリー1の呼び出し", "R", Mid, Navy, Win, &F::RM1Click, Once},
    {"Mem1", P, {66, 88, 56, 12}, "Ｍ１", "メモリ１へ格納", "メモリー1に格納", "M", Mid, Navy, Win, &F::Mem1Click, Once},
    {"Panel24", P, {128, 88, 44, 12}, "Ｍod", "剰余演算", "剰余", "\\, Ctrl+O", Mid, Navy, Win, &F::Panel24Click, Once},
    {"RM2", P, {0, 124, 64, 12}, "ＲＭ２", "メモリ２の再現", "メモリー2の呼び出し", "E", Mid, Navy, Win, &F::RM2Click, Once},
    {"M2", P, {66, 124, 56, 12}, "Ｍ２", "メモリ２へ格納", "メモリー2に格納", "N", Mid, Navy, Win, &F::M2Click, Once},
    {"Panel25", P, {128, 124, 44, 12}, "Cut", "端数切捨", "端数切捨", "Ctrl+K", Mid, Navy, Win, &F::Panel25Click, Once},
    {"Panel26", P, {1, 160, 24, 12}, "Pi", "πを入力", "パイ", "Shift+Ctrl+I", Mid, Navy, Win, &F::Inp_PiClick, Once},
    {"Panel27", P, {28, 160, 32, 12}, "sin", "sin X", "サイン", "Shift+Ctrl+S", Mid, Navy, Win, &F::InpSinClick, Once},
    {"Panel28", P, {64, 160, 32, 12}, "cos", "cos X", "コサイン", "Shift+Ctrl+C", Mid, Navy, Win, &F::InpCosClick, Once},
    {"Panel29", P, {100, 160, 32, 12}, "tan", "tan X", "タンジェント", "Shift+Ctrl+T", Mid, Navy, Win, &F::InpTanClick, Once},
    {"Panel30", P, {136, 160, 32, 12}, "X^Y", "XのY乗", "XのY乗", "Shift+Ctrl+M", Mid, Navy, Win, &F::InpPowClick, Once},
    {"Panel31", P, {0, 173, 32, 12}, "log", "log X", "常用対数", "Shift+Ctrl+G", Mid, Navy, Win, &F::InpLogClick, Once},
    {"Panel33", P, {36, 173, 24, 12}, "ln", "ln X", "自然対数", "Shift+Ctrl+L", Mid, Navy, Win, &F::InpLnClick, Once},
    {"Panel32", P, {64, 173, 32, 12}, "/60", "60 で割る", "60で割る", "Shift+Ctrl+Z", Mid, Navy, Win, &F::KT1Click, Once},
    {"Panel34", P, {100, 173, 20, 12}, "＆", "And X", "アンド", "Shift+Ctrl+A", Mid, Navy, Win, &F::FnAndClick, Once},
    {"Panel35", P, {124, 173, 20, 12}, "or", "Or X", "オア", "Shift+Ctrl+O", Mid, Navy, Win, &F::FnOrClick, Once},
    {"Panel36", P, {148, 173, 24, 12}, "xor", "Exor X", "排他的論理和", "Shift+Ctrl+X", Mid, Navy, Win, &F::FnExorClick, Once},
};
// clang-format on

}  // namespace

void TForm1::BuildLayout() { BuildControls<F>(*this, nullptr, kControls); }

TForm1::TForm1() : Form(BorderStyle::Single, true) {
    Form1 = this;
    SetMainForm(this);
    SetCaption("Abacone");
    SetColor(color::Black);
    SetClientSize(173, 186);
    BuildLayout();
    BuildMenu();
    label1_ = Control("Label1");
    label2_ = Control("Label2");
    label3_ = Control("Label3");
    label4_ = Control("Label4");
    label5_ = Control("Label5");
    label8_ = Control("Label8");
    memory1_ = Control("Memory1");
    memory1h_ = Control("Memory1h");
    memory2_ = Control("Memory2");
    memory2h_ = Control("Memory2h");
    panel4_ = Control("Panel4");
    panel5_ = Control("Panel5");
    SetFocusHome(label1_);

    Control("Panel23")->SetHint("正負反転\n(Space Key)");
    SetHintColor(color::Hint);
    Render();
    FormCreate();
}

TForm1::~TForm1() {
    if (Form1 == this) Form1 = nullptr;
}

void TForm1::FormCreate() {
    SetClientHeight(76);
    SetStayOnTop(true);
}

}  // namespace abacone
