#include <string>

#include "platform/controls.h"

namespace abacone {

void DescribePanel(Panel& panel, bool key, const char* spoken, const char* keys) {
    if (!key && !spoken) return;
    panel.SetRole(key ? PanelRole::Key : PanelRole::Display);
    if (spoken) panel.SetAccessibleName(spoken);
    if (!key) return;
    // The hint first, as it said before; then how to reach the key from the keyboard.
    std::string text = panel.Hint();
    for (char& c : text)
        if (c == '\n') c = ' ';
    if (!text.empty()) text += "。";
    if (keys) text = text + "キー: " + keys + "。";
    text = text + "フォーカスがあるときは" + PressKeyName + "キーで押す";
    panel.SetAccessibleDescription(text);
}

}  // namespace abacone
