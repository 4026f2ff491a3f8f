#include "editors/dialog_capture.h"

#include <QWidget>

#include "platform/platform_services.h"
#include "program/program_state.h"
#include "text/messages.h"

namespace castovin {

void CopyDialogImage(const WindowContext& context, QWidget* dialog)
{
    context.platform.SetClipboardImage(dialog->grab().toImage());
    ShowMessage(context.state.messenger, "Screenshot of dialog copied to clipboard", MsgButtons::OK,
                context.state.messenger.MsgCategory.Message);
}

}  // namespace castovin
