#include "platform/menu.h"

#include <QActionGroup>
#include <QMenu>

#include "platform/services/keycodes.h"

namespace abacone {

PopupMenu::PopupMenu(std::vector<MenuItem> items) : items_(std::move(items)) {
    for (std::size_t i = 0; i < items_.size(); ++i)
        if (items_[i].Shortcut != 0) shortcutItems_.push_back(i);
}

PopupMenu::~PopupMenu() = default;

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

void PopupMenu::Build(QWidget* owner) {
    menu_ = new QMenu(owner);
    std::vector<QMenu*> parents{menu_};
    for (std::size_t i = 0; i < items_.size(); ++i) {
        const MenuItem& item = items_[i];
        parents.resize(std::size_t(item.Level) + 1);
        if (!Shown(i)) continue;
        QMenu* parent = parents.back();
        const QString caption = QString::fromStdString(item.Caption);
        if (item.Caption == "-") {
            parent->addSeparator();
        } else if (HasChildren(i)) {
            parents.push_back(parent->addMenu(caption));
        } else {
            QString text = caption;
            if (item.Shortcut) text += u'\t' + QString::fromStdString(ShortcutText(item.Shortcut));
            QAction* action = parent->addAction(text);
            if (item.RadioItem) {
                auto* group = new QActionGroup(action);
                group->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
                group->addAction(action);
            }
            QObject::connect(action, &QAction::triggered, menu_, [this, i] {
                if (run_) run_(items_[i]);
            });
            actions_.emplace_back(i, action);
        }
    }
}

void PopupMenu::SyncMarks() {
    for (auto& [index, action] : actions_) {
        const MenuItem& item = items_[index];
        action->setCheckable(item.Checked || item.RadioItem);
        action->setChecked(item.Checked);
    }
}

void PopupMenu::Popup(QWidget* owner, QPoint globalPos, std::function<void(const MenuItem&)> run) {
    if (!menu_) Build(owner);
    run_ = std::move(run);
    SyncMarks();
    menu_->popup(globalPos);
}

}  // namespace abacone
