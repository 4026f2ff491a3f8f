#include "ui/editors/dialog_capture.h"

#include <QWidget>

#include "core/text/messages.h"
#include "ui/platform/platform_services.h"

namespace castovin {

void CopyDialogImage(PlatformServices& platform, Messenger& messenger, QWidget* dialog)
{
    platform.SetClipboardImage(dialog->grab().toImage());
    ShowMessage(messenger, "Screenshot of dialog copied to clipboard", MsgButtons::OK, messenger.MsgCategory.Message);
}

}  // namespace castovin
