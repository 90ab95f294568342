// The Qt implementations of the services of services.h. The program installs them at
// start (SetMessages, SetClipboard); tests keep the in-process ones.
#pragma once

#include "platform/services/services.h"

class QMessageBox;

namespace abacone {

// Gives a screen reader the box's icon in words and the keys of its button.
void DescribeMessageBox(QMessageBox& box);

// A modal box with the title, the text, an exclamation or information icon and one OK
// button. A carriage return alone breaks the line as a line feed does.
class QtMessageBox final : public MessageService {
public:
    void Show(std::string_view title, std::string_view text, MessageIcon icon) override;
};

// The system clipboard's text, as UTF-8.
class QtClipboard final : public ClipboardService {
public:
    std::optional<std::string> Text() override;
    void SetText(std::string_view text) override;
};

}  // namespace abacone
