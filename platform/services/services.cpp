#include "platform/services/services.h"

namespace abacone {
namespace {

class NoMessages final : public MessageService {
public:
    void Show(std::string_view, std::string_view, MessageIcon) override {}
};

class NoDialog final : public ValueDialogService {
public:
    Answer Ask(std::string_view, std::string_view) override { return {}; }
};

MemoryClipboard defaultClipboard;
NoMessages noMessages;
NoDialog noDialog;
ClipboardService* clipboard = &defaultClipboard;
MessageService* messages = &noMessages;
ValueDialogService* dialog = &noDialog;

}  // namespace

ClipboardService& Clipboard() { return *clipboard; }
MessageService& Messages() { return *messages; }
ValueDialogService& ValueDialog() { return *dialog; }
void SetClipboard(ClipboardService* service) { clipboard = service ? service : &defaultClipboard; }
void SetMessages(MessageService* service) { messages = service ? service : &noMessages; }
void SetValueDialog(ValueDialogService* service) { dialog = service ? service : &noDialog; }

}  // namespace abacone
