#include "ui/editors/dialog_capture.h"

#include <QWidget>

#include "core/program/program_state.h"
#include "core/text/messages.h"
#include "ui/platform/platform_services.h"

namespace castovin {

void CopyDialogImage(const WindowContext& context, QWidget* dialog)
{
    context.platform.SetClipboardImage(dialog->grab().toImage());
    ShowMessage(context.state.messenger, "Screenshot of dialog copied to clipboard", MsgButtons::OK,
                context.state.messenger.MsgCategory.Message);
}

}  // namespace castovin
