#include "platform/menu.h"

namespace abacone {

PopupMenu::PopupMenu(std::vector<MenuItem> items) : items_(std::move(items)) {
    for (std::size_t i = 0; i < items_.size(); ++i)
        if (items_[i].Shortcut != 0) shortcutItems_.push_back(i);
}

MenuItem* PopupMenu::Find(std::string_view name) {
    for (MenuItem& item : items_)
        if (item.Name == name) return &item;
    return nullptr;
}

const MenuItem* PopupMenu::FindShortcut(int code) const {
    for (std::size_t i : shortcutItems_)
        if (items_[i].Shortcut == code) return &items_[i];
    return nullptr;
}

bool PopupMenu::HasChildren(std::size_t index) const {
    return index + 1 < items_.size() && items_[index + 1].Level > items_[index].Level;
}

bool PopupMenu::Shown(std::size_t index) const {
    int level = items_[index].Level;
    if (!items_[index].Visible) return false;
    for (std::size_t i = index; i-- > 0 && level > 0;) {
        if (items_[i].Level < level) {
            if (!items_[i].Visible) return false;
            level = items_[i].Level;
        }
    }
    return true;
}

}  // namespace abacone
