#include "fakes.h"
#include "functions/functions.h"

namespace abacone::testing {
namespace {

using ValueDialogTest = FunctionsTest;

TEST_F(ValueDialogTest, EnterConfirmsTheTypedValue) {
    dialog.Type("12abc");
    EXPECT_EQ(AskValue("title", "prompt"), 12);
    EXPECT_EQ(DialogTag(), 0);
    ASSERT_EQ(dialog.Calls().size(), 1u);
    EXPECT_EQ(dialog.Calls()[0].Title, "title");
    EXPECT_EQ(dialog.Calls()[0].Prompt, "prompt");
}

TEST_F(ValueDialogTest, CancelLeavesTheTagAtOne) {
    dialog.Cancel("42");
    AskValue("t", "p");
    EXPECT_EQ(DialogTag(), 1);
}

TEST_F(ValueDialogTest, NoDialogWhileTypingOrInError) {
    struct Case {
        const char* Keys;
    } cases[] = {{"25"}, {"0."}, {"5/0="}};
    for (const auto& c : cases) {
        ResetEngine();
        dialog.Type("7");  // a confirmed dialog first, so the tag must be reset
        AskValue("t", "p");
        ASSERT_EQ(DialogTag(), 0);
        const std::size_t before = dialog.Calls().size();
        Keys(c.Keys);
        EXPECT_EQ(AskValue("t", "p"), 0) << c.Keys;
        EXPECT_EQ(DialogTag(), 1) << c.Keys;
        EXPECT_EQ(dialog.Calls().size(), before) << c.Keys;
    }
}

}  // namespace
}  // namespace abacone::testing
