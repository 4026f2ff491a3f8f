#pragma once
// Messages to the user: every box goes through ShowMessage, which logs the
// category title and text first. Run-time errors are classified by
// ReportRunTimeError into an action for the command that trapped them.

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/text/history_log.h"

namespace castovin {

class RuntimeError;

// A message box's buttons, icon and default button.
enum class MsgButtons : uint8_t { OK, OKCancel, YesNoCancel, YesNo, RetryCancel };
enum class MsgIcon : uint8_t { None, Critical, Question, Exclamation, Information };
enum class MsgDefault : uint8_t { First, Second };

// How a message box looks. A bare icon means a box with the OK button only,
// the commonest kind, so `MsgIcon::Critical` alone is a whole style.
struct MsgStyle {
    MsgButtons buttons = MsgButtons::OK;
    MsgIcon icon = MsgIcon::None;
    MsgDefault defaultButton = MsgDefault::First;
    int helpContext = 0;  // the help page F1 opens in the box; 0: its window's

    constexpr MsgStyle() = default;
    constexpr MsgStyle(MsgButtons b, MsgIcon i = MsgIcon::None, MsgDefault d = MsgDefault::First)
        : buttons(b), icon(i), defaultButton(d)
    {
    }
    constexpr MsgStyle(MsgIcon i) : icon(i) {}
    bool operator==(const MsgStyle&) const = default;
};

// The button that closed a message box.
enum class MsgResult : uint8_t { OK, Cancel, Retry, Yes, No };

// Shows a modal message box and returns the pressed button's result. The GUI
// answers with a real box; the command-line tool and the tests with scripts.
class MessageBoxService {
public:
    virtual ~MessageBoxService() = default;
    virtual MsgResult Show(const std::string& text, MsgStyle style, const std::string& title) = 0;
};

// A box nobody sees: records every message and answers without agreeing to
// anything (OK where that is the only button, else Cancel or No).
class RecordingMessageBox : public MessageBoxService {
public:
    struct Shown {
        std::string text;
        MsgStyle style;
        std::string title;
    };
    MsgResult Show(const std::string& text, MsgStyle style, const std::string& title) override;
    const std::vector<Shown>& Messages() const { return m_shown; }

private:
    std::vector<Shown> m_shown;
};

// The category titles of the messages; the prefix is that of the editor that
// opened last (empty before any editor opened).
struct MessageCategories {
    std::string Message = "Message";
    std::string RangeError;
    std::string InvalidCharacter;
    std::string Error;
    std::array<std::string, 14> Prefix{};  // form numbers 1..13
};

// Whether the history log is kept and how long it may grow, as the settings
// say at the moment of the call.
struct HistoryOptions {
    bool kept = true;
    int maxSize = 2048;
};

// Everything a message needs: the box that shows it, the history log it is
// logged to, the category titles and the program title used when a message
// has none. Functions that only tell the user something take this part.
struct Messenger {
    explicit Messenger(MessageBoxService& messageBox) : MessageBox(messageBox) {}
    Messenger(const Messenger&) = delete;
    Messenger& operator=(const Messenger&) = delete;

    MessageBoxService& MessageBox;
    HistoryLog History;
    MessageCategories MsgCategory;
    std::string BoxTitle = "Castovin";  // the title of a message given none
    // Read at every append, so a settings change takes effect at once.
    std::function<HistoryOptions()> HistorySettings = [] { return HistoryOptions{}; };
};

// What a command does after a trapped run-time error.
enum class ErrorAction : int16_t {
    Retry = 0,      // execute the failed step again
    Continue = 1,   // continue with the following step
    Cancelled = 2,  // a dialog was cancelled: set the cancel flag, continue
    Leave = 3,      // leave the command
    LeaveDatabase = 6,
};

// Logs the title and text, then shows the box. An empty title is logged as
// "Message" and shown as the program title.
MsgResult ShowMessage(Messenger& messenger, std::string_view text, MsgStyle style, std::string_view title = {});

// The help hint every dialog's Help button shows.
void ShowHelpHint(Messenger& messenger);

// Appends one numbered line to the history log when the log is kept.
void AppendHistory(Messenger& messenger, std::string_view text);

// Fills the category prefix table (start-up).
void FillCategoryPrefixes(MessageCategories& categories);

// The forms whose messages take their category titles from the prefix
// table, by their form numbers there (1..13).
enum class MsgForm : int {
    Description = 1,
    Parameters = 2,  // the parameters and the cost editor
    Options = 7,
    Settings = 8,
    UnitCalculator = 12,
    Convert = 13,
};

// Sets the category titles for the messages of `form`; a number outside
// 1..13 is a subscript error.
void SetMsgCategory(MessageCategories& categories, MsgForm form);

// Classifies a run-time error, tells the user when `show` is set, and returns
// the action the trapping command takes.
ErrorAction ReportRunTimeError(Messenger& messenger, const RuntimeError& error, bool show);

// The message when the desktop could not open `target` (a file or an
// address): on Linux the opener is xdg-open, which a minimal system lacks.
std::string NoOpenerText(std::string_view target);

}  // namespace castovin
