#include <gtest/gtest.h>

#include "core/text/error_trap.h"
#include "core/text/runtime_error.h"
#include "test_state.h"

namespace castovin {
namespace {

using test::StateTest;

class Trap : public StateTest {
protected:
    bool cancel = true;
    int restored = 0;
    CommandTrap trap{state.messenger, cancel, [this] { ++restored; }};
};

TEST_F(Trap, RetryRunsTheStepAgain)
{
    int attempts = 0;
    box.Answer(MsgResult::Retry);
    EXPECT_TRUE(trap.Step([&] {
        if (++attempts == 1)
            throw RuntimeError(err::FileNotFound);
    }));
    EXPECT_EQ(attempts, 2);
    EXPECT_TRUE(trap.Completed());
    EXPECT_EQ(restored, 1);
    EXPECT_FALSE(cancel);
}

TEST_F(Trap, CancelContinuesWithTheNextStep)
{
    box.Answer(MsgResult::Cancel);
    EXPECT_TRUE(trap.Step([] { throw RuntimeError(err::InputPastEndOfFile); }));
    EXPECT_FALSE(trap.Completed());
}

TEST_F(Trap, TerminateClassLeavesTheCommand)
{
    box.Answer(MsgResult::OK);
    EXPECT_FALSE(trap.Step([] { throw RuntimeError(err::PathFileAccessError); }));
    EXPECT_EQ(box.Last().text, "Error occurred: Path/File access error (75). Procedure Terminated");
}

TEST_F(Trap, CancelledDialogSetsTheCancelFlag)
{
    cancel = false;
    EXPECT_TRUE(trap.Step([] { throw RuntimeError(err::DialogCancelled); }));
    EXPECT_TRUE(cancel);
    EXPECT_EQ(box.Count(), 0u);
}

TEST_F(Trap, StandardExceptionsAreRunTimeErrors)
{
    box.Answer(MsgResult::OK);
    EXPECT_FALSE(trap.Step([] { throw std::bad_alloc(); }));
    EXPECT_EQ(box.Last().text, "Error occurred: Out of memory (7). Procedure Terminated");
    box.Answer(MsgResult::OK);
    EXPECT_FALSE(trap.Step([] { throw std::out_of_range("index"); }));
    EXPECT_EQ(box.Last().text, "Error occurred: Subscript out of range (9). Procedure Terminated");
}

}  // namespace
}  // namespace castovin
