#include "core/text/messages.h"

#include "core/text/number_format.h"
#include "core/text/runtime_error.h"
#include "core/text/text_format.h"

namespace castovin {

MsgResult RecordingMessageBox::Show(const std::string& text, MsgStyle style, const std::string& title)
{
    m_shown.push_back({text, style, title});
    switch (style.buttons) {
    case MsgButtons::OK:
        return MsgResult::OK;
    case MsgButtons::YesNo:
        return MsgResult::No;
    default:
        return MsgResult::Cancel;
    }
}

MsgResult ShowMessage(Messenger& messenger, std::string_view text, MsgStyle style, std::string_view title)
{
    std::string logged = title.empty() ? std::string("Message") : std::string(title);
    logged += ": ";
    logged += text;
    AppendHistory(messenger, logged);
    const std::string shownTitle = title.empty() ? messenger.BoxTitle : std::string(title);
    return messenger.MessageBox.Show(std::string(text), style, shownTitle);
}

void ShowHelpHint(Messenger& messenger)
{
    ShowMessage(messenger, "Position the cursor on any item on the form and press F1 for context-sensitive Help",
                MsgIcon::Exclamation, "Help");
}

void AppendHistory(Messenger& messenger, std::string_view text)
{
    const HistoryOptions options = messenger.HistorySettings();
    if (options.kept)
        messenger.History.Append(text, options.maxSize);
}

void FillCategoryPrefixes(MessageCategories& categories)
{
    categories.Prefix.fill({});
    const auto at = [&categories](MsgForm form) -> std::string& {
        return categories.Prefix[static_cast<std::size_t>(form)];
    };
    at(MsgForm::Description) = "Project Description: ";
    at(MsgForm::Parameters) = "Project Parameters: ";
    at(MsgForm::Options) = "Program Options: ";
    at(MsgForm::Settings) = "Settings: ";
}

void SetMsgCategory(MessageCategories& c, MsgForm form)
{
    const int formNumber = static_cast<int>(form);
    if (formNumber < 1 || formNumber > 13)
        throw RuntimeError(err::SubscriptOutOfRange);
    const std::string& prefix = c.Prefix[static_cast<std::size_t>(formNumber)];
    c.Message = "Message";
    c.RangeError = prefix + "Range Error";
    c.InvalidCharacter = prefix + "Invalid Character";
    c.Error = prefix + "Error";
}

namespace {

enum class ErrorClass { Retry, Terminate, Cancelled, Database };

ErrorClass Classify(int32_t number)
{
    switch (number) {
    case err::DeviceTimeout:
    case err::DeviceFault:
    case err::OutOfPaper:
    case err::FileNotFound:
    case err::DeviceIoError:
    case err::DiskFull:
    case err::InputPastEndOfFile:
    case err::PermissionDenied:
    case err::DiskNotReady:
    case err::DiskMediaError:
    case err::PrinterError:
    case err::PrinterDriverError:
    case err::PrinterInfoError:
        return ErrorClass::Retry;
    case err::DialogCancelled:
        return ErrorClass::Cancelled;
    case err::DatabaseCommand:
        return ErrorClass::Database;
    default:
        return ErrorClass::Terminate;
    }
}

}  // namespace

ErrorAction ReportRunTimeError(Messenger& messenger, const RuntimeError& error, bool show)
{
    const ErrorClass kind = Classify(error.number());
    if (show) {
        if (kind == ErrorClass::Cancelled) {
            AppendHistory(messenger, error.description());
        } else {
            std::string line = "Error ";
            if (error.number() >= 0)
                line += ' ';
            line += GeneralNumber(error.number());
            line += ':';
            line += error.description();
            AppendHistory(messenger, line);
        }
    }
    const std::string boxText = "Error occurred: " + error.description() + " (" + GeneralNumber(error.number()) + ")";
    switch (kind) {
    case ErrorClass::Retry:
        if (!show)
            return ErrorAction::Continue;
        return ShowMessage(messenger, boxText, MsgButtons::RetryCancel, messenger.MsgCategory.Error) == MsgResult::Retry
                   ? ErrorAction::Retry
                   : ErrorAction::Continue;
    case ErrorClass::Cancelled:
        return ErrorAction::Cancelled;
    case ErrorClass::Database:
        if (show)
            ShowMessage(messenger, boxText + ". Procedure Terminated", MsgButtons::OK, messenger.MsgCategory.Error);
        return ErrorAction::LeaveDatabase;
    case ErrorClass::Terminate:
    default:
        if (show)
            ShowMessage(messenger, boxText + ". Procedure Terminated", MsgButtons::OK, messenger.MsgCategory.Error);
        return ErrorAction::Leave;
    }
}

std::string NoOpenerText(std::string_view target)
{
    return "No program was found to open " + MessageExcerpt(target, 200) +
           ". Install xdg-utils (it provides xdg-open), or choose a default application for this kind of file "
           "in the desktop's settings.";
}

}  // namespace castovin
