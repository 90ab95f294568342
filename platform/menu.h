// Popup menus as data. A window writes its menu as one table of MenuSpec rows in tree
// order (Level 0 for the top entries, 1 for their children, ...), turns it into a
// PopupMenu with MenuItems(*this, table) and gives it to its Form. The Form matches key
// strokes against every entry's shortcut, hidden entries and hidden submenus included,
// and shows the visible part at the pointer on a right click. The native menu is built
// by the Form the first time it opens.
#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace abacone {

enum MenuFlags : unsigned {
    mfHidden = 1,      // never shown, nor anything below it; its shortcut still works
    mfChecked = 2,     // initial check mark
    mfRadio = 4,       // the check is drawn as a radio mark (no grouping)
    mfFreshPress = 8,  // the shortcut ignores auto-repeated strokes
};

struct MenuItem {
    int Level = 0;
    std::string Name;
    std::string Caption;  // "-": separator; "&" marks the access letter
    int Shortcut = 0;     // vk + scShift/scCtrl/scAlt (keycodes.h); 0: none
    bool Visible = true;
    bool Checked = false;
    bool RadioItem = false;
    bool FreshPressOnly = false;
    std::function<void()> OnClick;  // empty for submenus and separators
};

template <class T>
struct MenuSpec {
    int Level;
    const char* Name;
    const char* Caption;
    int Shortcut;
    unsigned Flags;
    void (T::*Click)();
};

template <class T>
std::vector<MenuItem> MenuItems(T& owner, std::span<const MenuSpec<T>> table) {
    std::vector<MenuItem> items;
    items.reserve(table.size());
    for (const MenuSpec<T>& s : table) {
        MenuItem item;
        item.Level = s.Level;
        item.Name = s.Name;
        item.Caption = s.Caption;
        item.Shortcut = s.Shortcut;
        item.Visible = !(s.Flags & mfHidden);
        item.Checked = s.Flags & mfChecked;
        item.RadioItem = s.Flags & mfRadio;
        item.FreshPressOnly = s.Flags & mfFreshPress;
        if (s.Click) item.OnClick = [&owner, click = s.Click] { (owner.*click)(); };
        items.push_back(std::move(item));
    }
    return items;
}

class PopupMenu {
public:
    explicit PopupMenu(std::vector<MenuItem> items);
    PopupMenu(const PopupMenu&) = delete;
    PopupMenu& operator=(const PopupMenu&) = delete;

    const std::vector<MenuItem>& Items() const { return items_; }
    MenuItem* Find(std::string_view name);
    // The entry whose shortcut is this code, wherever it sits in the tree; nullptr if none.
    const MenuItem* FindShortcut(int code) const;
    bool HasChildren(std::size_t index) const;
    // Whether the entry is shown when the menu opens (it and all its parents visible).
    bool Shown(std::size_t index) const;

private:
    std::vector<MenuItem> items_;
    std::vector<std::size_t> shortcutItems_;
};

}  // namespace abacone
