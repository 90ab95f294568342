// The main window: the display lines, the keypad, the memory blocks and the function
// rows (layout.cpp), the keyboard tables (keys.cpp), the popup menu (menu_table.cpp) and
// the handlers, each calling one operation (handlers.cpp). After every handled event the
// window copies the engine's display record to its labels (render.cpp).
// Other windows reach the main window through `Form1`, or through MainForm() of
// platform/application.h when they must not link this library.
#pragma once

#include <span>

#include "platform/form.h"
#include "platform/panel.h"

namespace abacone {

class TForm1 : public Form {
public:
    TForm1();
    ~TForm1() override;

    // Copies the display record to the labels and the memory colours to the "1" and "2"
    // keys; changes only what differs.
    void Render();

    // The popup menu as a table: its tree, captions, shortcuts, flags and handlers. Tests
    // that must cover every entry walk it, so a new entry is covered without editing them.
    static std::span<const MenuSpec<TForm1>> MenuTable();

    // Keypad and display handlers.
    void LabelS0Click();
    void LabelS1Click();
    void LabelS2Click();
    void LabelS3Click();
    void LabelS4Click();
    void LabelS5Click();
    void LabelS6Click();
    void LabelS7Click();
    void LabelS8Click();
    void LabelS9Click();
    void LabelSAClick();
    void LabelF1Click();
    void LabelF2Click();
    void LabelF3Click();
    void LabelF4Click();
    void LabelF5Click();
    void LabelF6Click();
    void LabelF8Click();
    void LabelF9Click();
    void Btn_EquClick();
    void K161Click();
    void KC1Click();
    void KH2Click();
    void Label4Click();
    void Memory1Click();
    void Memory1hClick();
    void Label5Click();
    void Memory2Click();
    void Memory2hClick();
    void Label8Click();
    void RootClick();
    void InputPMClick();
    void InputCClick();
    void InputMClick();
    void RM1Click();
    void Mem1Click();
    void Panel24Click();
    void RM2Click();
    void M2Click();
    void Panel25Click();
    void Inp_PiClick();
    void InpSinClick();
    void InpCosClick();
    void InpTanClick();
    void InpPowClick();
    void InpLogClick();
    void InpLnClick();
    void KT1Click();
    void FnAndClick();
    void FnOrClick();
    void FnExorClick();

    // Menu-only handlers.
    void KB1Click();
    void KD1Click();
    void KR3Click();
    void K12Click();
    void K431Click();
    void K432Click();
    void K81Click();
    void Kmminch11Click();
    void Kcminch21Click();
    void Kinchmm31Click();
    void Kinch1Click();
    void Kinchfeet1Click();
    void Kfeetinch61Click();
    void K11Click();
    void K21Click();
    void K32Click();
    void K9Click();
    void K10Click();
    void KU1Click();
    void KD4Click();
    void KL1Click();
    void KR2Click();
    void N10Click();
    void KD2Click();
    void KG1Click();
    void ExtraClick();
    void Saijoh();
    void MCaptClick();
    void AttachWinClick();
    void KA1Click();
    void KQ1Click();
    void KX1Click();

    // Keyboard.
    void Get_Key_Press(char32_t& key);
    void Get_Key_Down(int key);

    // A press on the window's background or on the operator indicator.
    void FormMouseDown(MouseButton button, Point globalPos);
    // Runs once the window is built.
    void FormCreate();

protected:
    bool KeyDown(const KeyStroke& stroke) override;
    void KeyPress(char32_t& key) override;
    void MouseDown(MouseButton button, Point globalPos) override;
    void AfterEvent() override { Render(); }

private:
    void BuildLayout();
    void BuildMenu();

    Panel* label1_ = nullptr;
    Panel* label2_ = nullptr;
    Panel* label3_ = nullptr;
    Panel* label4_ = nullptr;
    Panel* label5_ = nullptr;
    Panel* label8_ = nullptr;
    Panel* memory1_ = nullptr;
    Panel* memory1h_ = nullptr;
    Panel* memory2_ = nullptr;
    Panel* memory2h_ = nullptr;
    Panel* panel4_ = nullptr;
    Panel* panel5_ = nullptr;
};

extern TForm1* Form1;

}  // namespace abacone
