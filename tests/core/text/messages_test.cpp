#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/text/messages.h"
#include "core/text/runtime_error.h"
#include "test_state.h"

namespace castovin {
namespace {

using test::StateTest;

// The lines of a log without their numbers ("12. text" gives "text").
std::vector<std::string> Unnumbered(const std::string& log)
{
    std::vector<std::string> lines;
    for (std::size_t start = 0, end; (end = log.find("\r\n", start)) != std::string::npos; start = end + 2) {
        const std::string line = log.substr(start, end - start);
        lines.push_back(line.substr(line.find(". ") + 2));
    }
    return lines;
}

class Messages : public StateTest {};

TEST_F(Messages, EmptyTitleIsLoggedAsMessageAndShownAsProgramTitle)
{
    state.messenger.History.Clear();
    box.Answer(MsgResult::OK);
    EXPECT_EQ(ShowMessage(state.messenger, "Current file is empty", MsgButtons::OK), MsgResult::OK);
    EXPECT_EQ(box.Last().title, "Castovin");
    EXPECT_EQ(box.Last().style, MsgStyle(MsgButtons::OK));
    EXPECT_NE(state.messenger.History.Text().find(". Message: Current file is empty\r\n"), std::string::npos);
}

TEST_F(Messages, TitledMessageIsLoggedWithItsTitle)
{
    SetMsgCategory(state.messenger.MsgCategory, MsgForm::Parameters);
    box.Answer(MsgResult::OK);
    ShowMessage(state.messenger, "Invalid CMRR", MsgIcon::Critical, state.messenger.MsgCategory.RangeError);
    EXPECT_EQ(box.Last().title, "Project Parameters: Range Error");
    EXPECT_NE(state.messenger.History.Text().find("Project Parameters: Range Error: Invalid CMRR\r\n"),
              std::string::npos);
}

TEST_F(Messages, SilentLogStillShowsTheBox)
{
    state.environment.Settings.DisplayHistoryWin = 0;
    const std::string before = state.messenger.History.Text();
    box.Answer(MsgResult::Yes);
    EXPECT_EQ(ShowMessage(state.messenger, "Proceed?", MsgButtons::YesNo), MsgResult::Yes);
    EXPECT_EQ(state.messenger.History.Text(), before);
}

TEST(HistoryLog, CounterWrapsAfter16384AndSurvivesClear)
{
    HistoryLog log;
    for (int i = 0; i < 16384; ++i)
        log.Append("x", 16384);
    EXPECT_EQ(log.LineCounter(), 16384);
    log.Clear();
    log.Append("next", 16384);
    EXPECT_EQ(log.Text(), "1. next\r\n");
}

TEST(HistoryLog, CutsBackToTheLastTwoLinesAtTheLimit)
{
    HistoryLog log;
    for (int i = 0; i < 10; ++i)
        log.Append("line", 4096);
    const std::size_t size = log.Text().size();
    log.Append("eleventh", static_cast<int>(size));
    EXPECT_EQ(log.Text(), "9. line\r\n10. line\r\n11. eleventh\r\n");
}

TEST(HistoryLog, TwoLinesAtTheLimitAreNotCut)
{
    HistoryLog log;
    log.Append("a", 4096);
    log.Append("b", 4096);
    log.Append("c", 1);
    EXPECT_EQ(log.Text(), "1. a\r\n2. b\r\n3. c\r\n");
}

class RunTimeErrors : public StateTest {};

TEST_F(RunTimeErrors, RetryClassAsksRetryOrCancel)
{
    state.messenger.History.Clear();
    box.Answer(MsgResult::Retry);
    EXPECT_EQ(ReportRunTimeError(state.messenger, RuntimeError(53), true), ErrorAction::Retry);
    EXPECT_EQ(box.Last().text, "Error occurred: File not found (53)");
    EXPECT_EQ(box.Last().style, MsgButtons::RetryCancel);
    // Before any editor opened the Error title is empty: logged as "Message".
    EXPECT_EQ(Unnumbered(state.messenger.History.Text()),
              (std::vector<std::string>{"Error  53:File not found", "Message: Error occurred: File not found (53)"}));
    EXPECT_EQ(box.Last().title, "Castovin");
    box.Answer(MsgResult::Cancel);
    EXPECT_EQ(ReportRunTimeError(state.messenger, RuntimeError(53), true), ErrorAction::Continue);
}

TEST_F(RunTimeErrors, UnlistedNumberTerminates)
{
    box.Answer(MsgResult::OK);
    EXPECT_EQ(ReportRunTimeError(state.messenger, RuntimeError(9), true), ErrorAction::Leave);
    EXPECT_EQ(box.Last().text, "Error occurred: Subscript out of range (9). Procedure Terminated");
    EXPECT_EQ(box.Last().style, MsgButtons::OK);
}

TEST_F(RunTimeErrors, CancelledDialogLogsTheBareDescription)
{
    state.messenger.History.Clear();
    EXPECT_EQ(ReportRunTimeError(state.messenger, RuntimeError(err::DialogCancelled), true), ErrorAction::Cancelled);
    EXPECT_EQ(Unnumbered(state.messenger.History.Text()), std::vector<std::string>{"Cancel was selected."});
    EXPECT_EQ(box.Count(), 0u);
}

TEST_F(RunTimeErrors, WithoutShowNothingIsShownOrLogged)
{
    state.messenger.History.Clear();
    EXPECT_EQ(ReportRunTimeError(state.messenger, RuntimeError(53), false), ErrorAction::Continue);
    EXPECT_EQ(ReportRunTimeError(state.messenger, RuntimeError(75), false), ErrorAction::Leave);
    EXPECT_EQ(ReportRunTimeError(state.messenger, RuntimeError(err::DatabaseCommand), false),
              ErrorAction::LeaveDatabase);
    EXPECT_EQ(state.messenger.History.Text(), "");
    EXPECT_EQ(box.Count(), 0u);
}

TEST_F(RunTimeErrors, NegativeNumberHasNoLeadingBlank)
{
    state.messenger.History.Clear();
    box.Answer(MsgResult::OK);
    ReportRunTimeError(state.messenger, RuntimeError(err::DatabaseCommand), true);
    EXPECT_EQ(Unnumbered(state.messenger.History.Text()).front(), "Error -2147217900:Database command error");
}

}  // namespace
}  // namespace castovin
