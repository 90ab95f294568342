// The few outside services that the calculator's logic needs: clipboard text, a message
// box and the value input dialog. The program wires them to the window toolkit; tests
// and the command-line tool install in-process versions. No toolkit header here.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace abacone {

class ClipboardService {
public:
    virtual ~ClipboardService() = default;
    // The clipboard's text as UTF-8 bytes, or nothing when it holds no text.
    virtual std::optional<std::string> Text() = 0;
    virtual void SetText(std::string_view text) = 0;
};

enum class MessageIcon { Exclamation, Information };

class MessageService {
public:
    virtual ~MessageService() = default;
    // A modal box with one OK button.
    virtual void Show(std::string_view title, std::string_view text, MessageIcon icon) = 0;
};

class ValueDialogService {
public:
    struct Answer {
        bool Confirmed = false;  // true only when the Enter button closed the dialog
        std::string Text;        // what the edit box held when it closed
    };
    virtual ~ValueDialogService() = default;
    // Shows the dialog with its edit box preset to "0" and runs it modally.
    virtual Answer Ask(std::string_view title, std::string_view prompt) = 0;
};

// Clipboard kept in the process: the command-line tool and the tests use it.
class MemoryClipboard final : public ClipboardService {
public:
    std::optional<std::string> Text() override { return text_; }
    void SetText(std::string_view text) override { text_ = std::string(text); }
    void Clear() { text_.reset(); }

private:
    std::optional<std::string> text_;
};

// Process-wide services. Until one is installed, an in-process clipboard serves and
// messages and dialogs are refused (a message is dropped, a dialog answers "cancel").
ClipboardService& Clipboard();
MessageService& Messages();
ValueDialogService& ValueDialog();
void SetClipboard(ClipboardService* service);  // nullptr restores the in-process one
void SetMessages(MessageService* service);
void SetValueDialog(ValueDialogService* service);

}  // namespace abacone
