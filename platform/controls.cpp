#include "platform/controls.h"

#include "platform/form.h"

namespace abacone {
namespace {

// Vertically every caption is placed by its ink (caption.h).
Qt::Alignment AlignmentOf(Align align) {
    return align == Align::Left ? Qt::AlignLeft : align == Align::Right ? Qt::AlignRight : Qt::AlignHCenter;
}

void Place(QWidget* control, const char* name, Box box) {
    control->setObjectName(QLatin1String(name));
    control->setGeometry(box.Left, box.Top, box.Width, box.Height);
}

void Adopt(QWidget* parent, QWidget* control) {
    if (auto* form = dynamic_cast<Form*>(parent->window())) form->AdoptKeys(control);
}

}  // namespace

Panel* AddPanel(QWidget* parent, const char* name, ControlKind kind, Box box, std::string_view caption,
                std::string_view hint, Align alignment, QRgb background, const FontSpec& font) {
    auto* p = new Panel(parent);
    Place(p, name, box);
    p->SetBevel(kind == ControlKind::Panel ? 1 : 0);
    p->SetAlignment(AlignmentOf(alignment));
    p->SetColor(background);
    p->SetFont(font);
    p->SetCaption(caption);
    if (!hint.empty()) p->SetHint(hint);
    return p;
}

Edit* AddEdit(QWidget* parent, const char* name, Box box) {
    auto* e = new Edit(parent);
    Place(e, name, box);
    Adopt(parent, e);
    return e;
}

Button* AddButton(QWidget* parent, const char* name, Box box, std::string_view caption,
                  std::string_view hint) {
    auto* b = new Button(parent, caption);
    Place(b, name, box);
    if (!hint.empty()) b->setToolTip(QString::fromUtf8(hint.data(), qsizetype(hint.size())));
    Adopt(parent, b);
    return b;
}

}  // namespace abacone
