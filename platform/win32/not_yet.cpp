// What the calculator does not do on Windows yet: the keys' and displays' names for
// screen readers (kept, not yet told to the system).
#include "platform/win32/win32_window.h"

namespace abacone {

void Panel::SetRole(PanelRole role) { impl_.role = role; }
PanelRole Panel::Role() const { return impl_.role; }
void Panel::SetAccessibleName(std::string_view) {}
void Panel::SetAccessibleDescription(std::string_view) {}
void Edit::SetAccessibleName(std::string_view) {}
void Form::SetFocusHome(Panel*) {}
void Form::Announce(Panel&, std::string_view) {}

}  // namespace abacone
