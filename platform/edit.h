// A single-line edit box with a maximum length, fixed colours and a pixel font. Its keys
// pass the owning Form's dispatch first (menu shortcuts, key-down, character handlers).
#pragma once

#include <string>
#include <string_view>

#include "platform/style.h"

namespace abacone {

class Edit {
public:
    struct Impl;
    explicit Edit(Impl& impl) : impl_(impl) {}
    Edit(const Edit&) = delete;
    Edit& operator=(const Edit&) = delete;

    void SetText(std::string_view text);
    std::string Text() const;
    void SetMaxLength(int length);
    void SetColors(Rgb background, const FontSpec& font);
    // Takes the keyboard focus with the whole text selected, so the first key replaces it.
    void FocusAndSelectAll();
    // What a screen reader calls the box: the prompt beside it.
    void SetAccessibleName(std::string_view name);

    Impl& Native() const { return impl_; }

private:
    Impl& impl_;
};

}  // namespace abacone
