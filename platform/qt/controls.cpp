#include "platform/controls.h"

#include "platform/qt/qt_window.h"

namespace abacone {
namespace {

QWidget* ParentOf(Form& form, Panel* parent) { return parent ? Widget(*parent) : Widget(form); }

void Place(QWidget* control, const char* name, Box box) {
    control->setObjectName(QLatin1String(name));
    control->setGeometry(box.Left, box.Top, box.Width, box.Height);
}

}  // namespace

Panel* AddPanel(Form& form, Panel* parent, const char* name, ControlKind kind, Box box, std::string_view caption,
                std::string_view hint, Align alignment, Rgb background, const FontSpec& font) {
    auto* impl = new Panel::Impl(ParentOf(form, parent));
    Place(impl, name, box);
    Panel& p = impl->face;
    StylePanel(p, kind, caption, hint, alignment, background, font);
    return &p;
}

Edit* AddEdit(Form& form, Panel* parent, const char* name, Box box) {
    auto* impl = new Edit::Impl(ParentOf(form, parent));
    Place(impl, name, box);
    // The window's own menu is the only one; the toolkit's edit menu would bypass it.
    impl->setContextMenuPolicy(Qt::NoContextMenu);
    form.Native().AdoptKeys(impl);
    return &impl->face;
}

Button* AddButton(Form& form, Panel* parent, const char* name, Box box, std::string_view caption,
                  std::string_view hint) {
    auto* impl = new Button::Impl(ParentOf(form, parent));
    impl->face.SetCaption(caption);
    Place(impl, name, box);
    if (!hint.empty()) impl->setToolTip(ToQString(hint));
    form.Native().AdoptKeys(impl);
    return &impl->face;
}

}  // namespace abacone
