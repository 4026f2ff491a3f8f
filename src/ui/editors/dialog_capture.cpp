#include "editors/dialog_capture.h"

#include <QWidget>

#include "program/program_state.h"
#include "main/main_window.h"
#include "platform/platform_services.h"
#include "text/messages.h"

namespace castovin {

void CopyDialogImage(MainWindow& main, QWidget* dialog)
{
    main.Platform().SetClipboardImage(dialog->grab().toImage());
    ShowMessage(main.State(), "Screenshot of dialog copied to clipboard", MsgStyle::OK, main.State().MsgCategory.Message);
}

}  // namespace castovin
