#include <string>
#include <string_view>

#include "engine/display.h"
#include "ui/main/form1.h"

namespace abacone {
namespace {

// The operator indicator in words, for the display's announcement.
std::string IndicatorWords(std::string_view mark) {
    constexpr struct {
        std::string_view Mark, Words;
    } kWords[] = {{"+", "プラス"}, {"-", "マイナス"}, {"x", "かける"}, {"/", "わる"},
                  {"m", "剰余"},   {"=", "イコール"}, {"E", "エラー"}};
    // A copy to the clipboard marks the indicator with a "C" after the operator.
    if (mark.size() == 2 && mark[1] == 'C') {
        const std::string op = IndicatorWords(mark.substr(0, 1));
        return (op == " " ? "" : op + " ") + "コピー";
    }
    for (const auto& w : kWords)
        if (w.Mark == mark) return std::string(w.Words);
    return std::string(mark);
}

}  // namespace

void TForm1::Render() {
    const std::string decimal = Label1Text();
    label1_->SetCaption(decimal);
    label3_->SetCaption(Label3Text());
    label4_->SetHint(Label4Hint());
    label2_->SetCaption(Display.Label2);
    memory1_->SetCaption(Display.Memory1);
    memory1h_->SetCaption(Display.Memory1h);
    label5_->SetHint(Display.Label5Hint);
    memory2_->SetCaption(Display.Memory2);
    memory2h_->SetCaption(Display.Memory2h);
    label8_->SetHint(Display.Label8Hint);
    panel4_->SetColor(Display.Panel4Teal ? color::Teal : color::Navy);
    panel5_->SetColor(Display.Panel5Teal ? color::Teal : color::Navy);
    Announce(*label1_, decimal + " " + IndicatorWords(Display.Label2));
}

}  // namespace abacone
