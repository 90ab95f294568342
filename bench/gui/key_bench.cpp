// Time per key through the main window's whole key path: translation, menu shortcut
// search, key-down and character tables, the engine operation and the render step.
// Runs on the offscreen platform; prints the median of several rounds of 10,000 keys.
#include <QApplication>
#include <QKeyEvent>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "engine/calc_state.h"
#include "platform/qt/qt_window.h"
#include "platform/services/services.h"
#include "ui/main/form1.h"

namespace {

struct Key {
    int Code;
    Qt::KeyboardModifiers Modifiers;
    const char* Text;
};

// A day's typing: digits, operators, equals, corrections, clears and a copy shortcut.
// clang-format off
const Key kMix[] = {
    {Qt::Key_1, {}, "1"},       {Qt::Key_2, {}, "2"},       {Qt::Key_3, {}, "3"},
    {Qt::Key_Period, {}, "."},  {Qt::Key_4, {}, "4"},       {Qt::Key_Plus, {}, "+"},
    {Qt::Key_5, {}, "5"},       {Qt::Key_6, {}, "6"},       {Qt::Key_Backspace, {}, "\b"},
    {Qt::Key_Asterisk, {}, "*"}, {Qt::Key_7, {}, "7"},      {Qt::Key_Return, {}, "\r"},
    {Qt::Key_C, Qt::ControlModifier, "c"},                  {Qt::Key_Minus, {}, "-"},
    {Qt::Key_8, {}, "8"},       {Qt::Key_9, {}, "9"},       {Qt::Key_Slash, {}, "/"},
    {Qt::Key_3, {}, "3"},       {Qt::Key_Equal, {}, "="},   {Qt::Key_Escape, {}, "\x1b"},
};
// clang-format on

double MicrosecondsPerKey(abacone::TForm1& form, int keys, bool paint) {
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < keys; ++i) {
        const Key& k = kMix[i % std::size(kMix)];
        QKeyEvent event(QEvent::KeyPress, k.Code, k.Modifiers, QString::fromLatin1(k.Text));
        QApplication::sendEvent(abacone::Widget(form), &event);
        if (paint) QCoreApplication::processEvents();
    }
    const std::chrono::duration<double, std::micro> spent = std::chrono::steady_clock::now() - start;
    return spent.count() / keys;
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    abacone::MemoryClipboard clipboard;
    abacone::SetClipboard(&clipboard);
    abacone::TForm1 form;
    form.Show();
    QCoreApplication::processEvents();

    constexpr int kKeys = 10000;
    for (bool paint : {false, true}) {
        std::vector<double> rounds;
        for (int round = 0; round < 7; ++round) rounds.push_back(MicrosecondsPerKey(form, kKeys, paint));
        std::printf("%-34s %8.2f us per key (median of 7 x %d keys)\n",
                    paint ? "key dispatch + render + repaint:" : "key dispatch + render:", Median(rounds), kKeys);
    }
    std::printf("display after the run: %s\n", form.Control("Label1")->Caption().c_str());
    abacone::SetClipboard(nullptr);
    return 0;
}
