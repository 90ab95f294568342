#include "platform/menu.h"
#include "platform/services/keycodes.h"
#include "ui/main/form1.h"

namespace abacone {
namespace {

using F = TForm1;
constexpr int S = scShift, C = scCtrl, A = scAlt;
constexpr unsigned Hidden = mfHidden, Checked = mfChecked, Radio = mfRadio, Fresh = mfFreshPress;

// Level, name, caption, shortcut, flags, handler. A row followed by deeper rows is a
// submenu; "-" is a separator.
constexpr MenuSpec<F> kMenu[] = {
    {0, "KC1", "複写 (&C)", C + 'C', 0, &F::KC1Click},
    {0, "KO1", "特殊 (&O)", 0, 0, nullptr},
    {1, "KH2", "16進数で複写 (&H)", C + 'H', 0, &F::KH2Click},
    {1, "KB1", "２進数で複写 (&B)", C + 'B', 0, &F::KB1Click},
    {1, "N3", "-", 0, 0, nullptr},
    {1, "K161", "16進数入力 (&I)", S + C + 'H', 0, &F::K161Click},
    {1, "KD1", "２進数表示 (&D)", S + C + 'B', 0, &F::KD1Click},
    {1, "N5", "-", 0, 0, nullptr},
    {1, "K1", "ルート (&R)", C + 'R', 0, &F::RootClick},
    {1, "KP1", "答の正負反転 (&P)", S + C + 'P', 0, &F::LabelF9Click},
    {1, "Mod1", "&Mod", C + 'O', 0, &F::Panel24Click},
    {1, "KO2", "端数切捨 (&K)", C + 'K', 0, &F::Panel25Click},
    {1, "KR3", "四捨五入 (R)", S + C + 'R', 0, &F::KR3Click},
    {1, "N2", "-", 0, 0, nullptr},
    {1, "KS1", "特殊計算 (&S)", 0, 0, nullptr},
    {2, "KC4", "ｺﾝﾋﾟｭｰﾀ単位 (&C)", S + C + 'K', 0, &F::K12Click},
    {2, "KT1", "時間単位 (&T)", S + C + 'Z', 0, &F::KT1Click},
    {2, "KCRT1", "&CRT 比率計算", 0, 0, nullptr},
    {3, "K431", "4:&3 で 横→縦", C + '3', 0, &F::K431Click},
    {3, "K432", "&4:3 で 縦→横", C + '4', 0, &F::K432Click},
    {3, "K81", "&8 の倍数近傍", C + '8', 0, &F::K81Click},
    {2, "KU2", "単位換算 (&U)", 0, 0, nullptr},
    {3, "Kmminch11", "mm → inch (&1)", S + C + '1', 0, &F::Kmminch11Click},
    {3, "Kcminch21", "cm → inch (&2)", S + C + '2', 0, &F::Kcminch21Click},
    {3, "Kinchmm31", "inch → mm (&3)", S + C + '3', 0, &F::Kinchmm31Click},
    {3, "Kinch1", "inch → cm (&4)", S + C + '4', 0, &F::Kinch1Click},
    {3, "Kinchfeet1", "inch → feet (&5)", S + C + '5', 0, &F::Kinchfeet1Click},
    {3, "Kfeetinch61", "feet → inch (&6)", S + C + '6', 0, &F::Kfeetinch61Click},
    {1, "N11", "-", 0, 0, nullptr},
    {1, "KF1", "強制移動 (&F)", 0, 0, nullptr},
    {2, "K11", "右下へ移動 (&1)", C + vk::F(9), 0, &F::K11Click},
    {2, "K21", "左下へ移動 (&2)", C + vk::F(10), 0, &F::K21Click},
    {2, "K32", "右上へ移動 (&3)", C + vk::F(11), 0, &F::K32Click},
    {2, "K9", "左上へ移動 (&4)", C + vk::F(12), 0, &F::K9Click},
    {2, "K10", "中央へ移動 (&C)", C + 'I', 0, &F::K10Click},
    {2, "KD3", "微妙に移動 (&D)", 0, Hidden, nullptr},
    {3, "KU1", "上 (&U)", C + vk::Up, 0, &F::KU1Click},
    {3, "KD4", "下 (&D)", C + vk::Down, 0, &F::KD4Click},
    {3, "KL1", "左 (&L)", C + vk::Left, 0, &F::KL1Click},
    {3, "KR2", "右 (&R)", C + vk::Right, 0, &F::KR2Click},
    {0, "KF2", "関数 (&F)", 0, 0, nullptr},
    {1, "Inp_Pi", "πを入力 (&P)", S + C + 'I', 0, &F::Inp_PiClick},
    {1, "InpSin", "&sin X の入力", S + C + 'S', 0, &F::InpSinClick},
    {1, "InpCos", "&cos X の入力", S + C + 'C', 0, &F::InpCosClick},
    {1, "InpTan", "&tan X の入力", S + C + 'T', 0, &F::InpTanClick},
    {1, "InpMul", "XのY乗 (&M)", S + C + 'M', 0, &F::InpPowClick},
    {1, "InpLog", "lo&g X (&T)", S + C + 'G', 0, &F::InpLogClick},
    {1, "InpLn", "&ln X (自然対数)", S + C + 'L', 0, &F::InpLnClick},
    {1, "FnAnd", "&And X 演算", S + C + 'A', 0, &F::FnAndClick},
    {1, "FnOr", "&Or X 演算", S + C + 'O', 0, &F::FnOrClick},
    {1, "FnExor", "E&xor 演算", S + C + 'X', 0, &F::FnExorClick},
    {0, "KI1", "入力 (&I)", 0, 0, nullptr},
    {1, "K3", "入力正負反転 (&P)", C + 'P', 0, &F::InputPMClick},
    {1, "K2", "入力を負に (&M)", C + 'N', 0, &F::InputMClick},
    {1, "KC2", "入力のﾌﾗｯｼｭ (&F)", C + 'F', 0, &F::InputCClick},
    {1, "N9", "-", 0, 0, nullptr},
    {1, "N10", "ｸﾘｱ後ｸﾘｯﾌﾟﾎﾞｰﾄﾞから計算 (&C)", C + 'V', 0, &F::N10Click},
    {1, "KD2", "ｸﾘｯﾌﾟﾎﾞｰﾄﾞからそのまま計算 (&D)", S + C + 'V', 0, &F::KD2Click},
    {1, "KG1", "合計", C + 'G', 0, &F::KG1Click},
    {0, "KM1", "ﾒﾓﾘ (&M)", 0, 0, nullptr},
    {1, "KM2", "メモリ１へ格納 (&M)", 0, 0, &F::Mem1Click},
    {1, "K5", "メモリ２へ格納 (&N)", 0, 0, &F::M2Click},
    {1, "N4", "-", 0, 0, nullptr},
    {1, "KR1", "メモリ１の復元 (&R)", 0, 0, &F::RM1Click},
    {1, "K6", "メモリ２の復元 (&E)", 0, 0, &F::RM2Click},
    {1, "N6", "-", 0, 0, nullptr},
    {1, "KC3", "メモリの複写 (&C)", 0, 0, nullptr},
    {2, "K7", "メモリ１(10進数) (&1)", C + vk::F(1), 0, &F::Memory1Click},
    {2, "K8", "メモリ２(10進数) (&2)", C + vk::F(2), 0, &F::Memory2Click},
    {2, "N7", "-", 0, 0, nullptr},
    {2, "K31", "メモリ１(16進数) (&3)", C + vk::F(3), 0, &F::Memory1hClick},
    {2, "K1641", "メモリ２(16進数) (&4)", C + vk::F(4), 0, &F::Memory2hClick},
    {2, "N8", "-", 0, 0, nullptr},
    {2, "K51", "メモリ１(２進数) (&5)", C + vk::F(5), 0, &F::Label5Click},
    {2, "K61", "メモリ２(２進数) (&6)", C + vk::F(6), 0, &F::Label8Click},
    {0, "Extra", "拡張 (&E)", C + 'E', 0, &F::ExtraClick},
    {0, "N1", "-", 0, 0, nullptr},
    {0, "K4", "Etc. (&T)", 0, 0, nullptr},
    {1, "MTop", "最上置 (&T)", C + 'T', Checked | Radio, &F::Saijoh},
    {1, "MCapt", "ｷｬﾌﾟｼｮﾝ (&C)", S + C + vk::F(1), Checked | Radio, &F::MCaptClick},
    {1, "AttachWin", "張付ﾓｰﾄﾞ (&A)", C + A + 'A', Radio, &F::AttachWinClick},
    {1, "KA1", "概要 (&O)", vk::F(1), 0, &F::KA1Click},
    {1, "KQ1", "最小化 (&Q)", C + 'Q', 0, &F::KQ1Click},
    // Held keys must not end the program: closing a dialog with Ctrl+End would otherwise
    // let the key's repeats close the calculator and lose both memories.
    {1, "Exit1", "終了 (&X)", C + vk::End, Hidden | Fresh, &F::KX1Click},
    {0, "KX1", "終了 (&X)", 0, 0, &F::KX1Click},
};

}  // namespace

std::span<const MenuSpec<TForm1>> TForm1::MenuTable() { return kMenu; }

void TForm1::BuildMenu() { SetPopupMenu(std::make_unique<PopupMenu>(MenuItems<F>(*this, MenuTable()))); }

}  // namespace abacone
