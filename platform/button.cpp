#include "platform/button.h"

#include "platform/form.h"

namespace abacone {
namespace {

int AccessKeyOf(const QString& caption) {
    for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != u'&') continue;
        const QChar c = caption[i + 1].toUpper();
        if (c == u'&') { ++i; continue; }
        if ((c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9')) return c.unicode();
        return 0;
    }
    return 0;
}

}  // namespace

Button::Button(QWidget* parent, std::string_view caption) : QPushButton(parent) {
    SetCaption(caption);
    connect(this, &QPushButton::clicked, this, [this] {
        if (OnClick) RunInForm(this, OnClick);
    });
}

void Button::SetCaption(std::string_view caption) {
    const QString text = QString::fromUtf8(caption.data(), qsizetype(caption.size()));
    setText(text);
    setShortcut(QKeySequence());  // the Form dispatches Alt+letter itself, in its fixed order
    accessKey_ = AccessKeyOf(text);
}

}  // namespace abacone
