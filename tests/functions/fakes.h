// An in-process stand-in for the value dialog, and a fixture that installs it and a
// recording message box over a freshly reset engine.
#pragma once

#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <string_view>
#include <vector>

#include "engine/engine.h"
#include "platform/services/services.h"
#include "tests/support/recording_messages.h"

namespace abacone::testing {

class FakeDialog final : public ValueDialogService {
public:
    struct Call {
        std::string Title, Prompt;
    };
    // Queued answers, one per dialog shown; an exhausted queue cancels.
    void Type(std::string text) { answers_.push_back({true, std::move(text)}); }
    void Cancel(std::string text = "0") { answers_.push_back({false, std::move(text)}); }
    const std::vector<Call>& Calls() const { return calls_; }

    Answer Ask(std::string_view title, std::string_view prompt) override {
        calls_.push_back({std::string(title), std::string(prompt)});
        if (answers_.empty()) return {};
        Answer a = answers_.front();
        answers_.pop_front();
        return a;
    }

private:
    std::deque<Answer> answers_;
    std::vector<Call> calls_;
};

class FunctionsTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetEngine();
        SetValueDialog(&dialog);
        SetMessages(&messages);
    }
    void TearDown() override {
        SetValueDialog(nullptr);
        SetMessages(nullptr);
    }
    // A new case in a table: a reset engine, no queued answers, nothing recorded.
    void Fresh() {
        ResetEngine();
        dialog = FakeDialog{};
        messages = RecordingMessages{};
    }

    // Plays calculator keys: digits and ".", the four operators, "=".
    static void Keys(std::string_view keys) {
        for (char c : keys) {
            if (const auto op = OperatorForChar(c)) {
                ApplyOperator(*op);
            } else if (c == '=') {
                Equals();
            } else {
                EnterDigit(c);
            }
        }
    }
    // The typed number, "" when no entry is in progress.
    static std::string Entry() { return State.EntryLength ? std::string(State.EntryBuffer) : ""; }

    FakeDialog dialog;
    RecordingMessages messages;
};

}  // namespace abacone::testing
