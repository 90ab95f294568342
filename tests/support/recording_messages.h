// A message box that shows nothing and writes down each box it is asked for. Free of any
// window toolkit and of the X session, so every unit test can include it.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/services/services.h"

namespace abacone {

class RecordingMessages final : public MessageService {
public:
    struct Box {
        std::string Title, Text;
        MessageIcon Icon;
    };
    const std::vector<Box>& Boxes() const { return boxes_; }
    std::vector<std::string> Texts() const {
        std::vector<std::string> texts;
        for (const Box& b : boxes_) texts.push_back(b.Text);
        return texts;
    }
    void Show(std::string_view title, std::string_view text, MessageIcon icon) override {
        boxes_.push_back({std::string(title), std::string(text), icon});
    }

private:
    std::vector<Box> boxes_;
};

}  // namespace abacone
