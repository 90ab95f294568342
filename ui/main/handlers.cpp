// Each handler calls one operation. Where the operation has the handler's own name
// (KC1Click, KT1Click, K12Click, ...), the member forwards to the free function of the
// engine with `abacone::`; the names are the menu entries' and are kept on both sides so
// that a menu name leads straight to its operation. The window commands go to the
// shell through RunWindowCommand (window_commands.h).
#include "engine/copy.h"
#include "engine/engine.h"
#include "functions/functions.h"
#include "memory/memory.h"
#include "ui/binwindow/binwindow.h"
#include "ui/hexpad/hexpad.h"
#include "ui/main/form1.h"
#include "ui/main/window_commands.h"

namespace abacone {

void TForm1::LabelS0Click() { EnterDigit('0'); }
void TForm1::LabelS1Click() { EnterDigit('1'); }
void TForm1::LabelS2Click() { EnterDigit('2'); }
void TForm1::LabelS3Click() { EnterDigit('3'); }
void TForm1::LabelS4Click() { EnterDigit('4'); }
void TForm1::LabelS5Click() { EnterDigit('5'); }
void TForm1::LabelS6Click() { EnterDigit('6'); }
void TForm1::LabelS7Click() { EnterDigit('7'); }
void TForm1::LabelS8Click() { EnterDigit('8'); }
void TForm1::LabelS9Click() { EnterDigit('9'); }
void TForm1::LabelSAClick() { EnterDigit('.'); }
void TForm1::LabelF1Click() { ApplyOperator(OpAdd); }
void TForm1::LabelF2Click() { ApplyOperator(OpSubtract); }
void TForm1::LabelF3Click() { ApplyOperator(OpMultiply); }
void TForm1::LabelF4Click() { ApplyOperator(OpDivide); }
void TForm1::Panel24Click() { ApplyOperator(OpMod); }
void TForm1::LabelF5Click() { ClearAll(); }
void TForm1::LabelF6Click() { DeleteLastDigit(); }
void TForm1::LabelF8Click() { ClearError(); }
void TForm1::LabelF9Click() { NegateAnswer(); }
void TForm1::Btn_EquClick() { Equals(); }
void TForm1::RootClick() { SquareRoot(); }
void TForm1::Panel25Click() { CutFraction(); }
void TForm1::InputPMClick() { ToggleEntrySign(); }
void TForm1::InputCClick() { ClearEntry(); }
void TForm1::InputMClick() { MakeEntryNegative(); }

void TForm1::KC1Click() { abacone::KC1Click(); }
void TForm1::KH2Click() { abacone::KH2Click(); }
void TForm1::KB1Click() { abacone::KB1Click(); }
void TForm1::Memory1Click() { CopyMemory1Decimal(); }
void TForm1::Memory1hClick() { CopyMemory1Hex(); }
void TForm1::Label5Click() { CopyMemory1Binary(); }
void TForm1::Memory2Click() { CopyMemory2Decimal(); }
void TForm1::Memory2hClick() { CopyMemory2Hex(); }
void TForm1::Label8Click() { CopyMemory2Binary(); }
void TForm1::RM1Click() { RecallMemory1(); }
void TForm1::Mem1Click() { StoreMemory1(); }
void TForm1::RM2Click() { RecallMemory2(); }
void TForm1::M2Click() { StoreMemory2(); }

void TForm1::Label4Click() { OpenBinaryWindow(); }
void TForm1::KD1Click() { OpenBinaryWindow(); }
void TForm1::K161Click() { OpenHexPad(); }

void TForm1::Inp_PiClick() { FunctionPi(); }
void TForm1::InpSinClick() { FunctionSin(); }
void TForm1::InpCosClick() { FunctionCos(); }
void TForm1::InpTanClick() { FunctionTan(); }
void TForm1::InpPowClick() { FunctionPow(); }
void TForm1::InpLogClick() { FunctionLog(); }
void TForm1::InpLnClick() { FunctionLn(); }
void TForm1::FnAndClick() { FunctionAnd(); }
void TForm1::FnOrClick() { FunctionOr(); }
void TForm1::FnExorClick() { FunctionXor(); }

void TForm1::KT1Click() { abacone::KT1Click(); }
void TForm1::KR3Click() { abacone::KR3Click(); }
void TForm1::K12Click() { abacone::K12Click(); }
void TForm1::K431Click() { abacone::K431Click(); }
void TForm1::K432Click() { abacone::K432Click(); }
void TForm1::K81Click() { abacone::K81Click(); }
void TForm1::Kmminch11Click() { abacone::Kmminch11Click(); }
void TForm1::Kcminch21Click() { abacone::Kcminch21Click(); }
void TForm1::Kinchmm31Click() { abacone::Kinchmm31Click(); }
void TForm1::Kinch1Click() { abacone::Kinch1Click(); }
void TForm1::Kinchfeet1Click() { abacone::Kinchfeet1Click(); }
void TForm1::Kfeetinch61Click() { abacone::Kfeetinch61Click(); }
void TForm1::N10Click() { CalculateFromClipboard(0); }
void TForm1::KD2Click() { CalculateFromClipboard(1); }
void TForm1::KG1Click() { SumFromClipboard(); }

void TForm1::K11Click() { RunWindowCommand(WindowCommand::MoveToBottomRight); }
void TForm1::K21Click() { RunWindowCommand(WindowCommand::MoveToBottomLeft); }
void TForm1::K32Click() { RunWindowCommand(WindowCommand::MoveToTopRight); }
void TForm1::K9Click() { RunWindowCommand(WindowCommand::MoveToTopLeft); }
void TForm1::K10Click() { RunWindowCommand(WindowCommand::MoveToCentre); }
void TForm1::KU1Click() { RunWindowCommand(WindowCommand::NudgeUp); }
void TForm1::KD4Click() { RunWindowCommand(WindowCommand::NudgeDown); }
void TForm1::KL1Click() { RunWindowCommand(WindowCommand::NudgeLeft); }
void TForm1::KR2Click() { RunWindowCommand(WindowCommand::NudgeRight); }
void TForm1::ExtraClick() { RunWindowCommand(WindowCommand::ToggleExtendedKeypad); }
void TForm1::Saijoh() { RunWindowCommand(WindowCommand::ToggleStayOnTop); }
void TForm1::MCaptClick() { RunWindowCommand(WindowCommand::ToggleCaption); }
void TForm1::AttachWinClick() { RunWindowCommand(WindowCommand::ToggleAttachMode); }
void TForm1::KA1Click() { RunWindowCommand(WindowCommand::ShowAbout); }
void TForm1::KQ1Click() { RunWindowCommand(WindowCommand::MinimiseCalculator); }
void TForm1::KX1Click() { RunWindowCommand(WindowCommand::ExitCalculator); }

void TForm1::FormMouseDown(MouseButton button, Point globalPos) { DragByBody(button, globalPos); }
void TForm1::MouseDown(MouseButton button, Point globalPos) { FormMouseDown(button, globalPos); }

}  // namespace abacone
