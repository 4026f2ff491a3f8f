#pragma once
// "&Copy Clip": a picture of the dialog on the clipboard, then the note that
// it is there.

#include "ui/app/window_context.h"

class QWidget;

namespace castovin {

void CopyDialogImage(const WindowContext& context, QWidget* dialog);

}  // namespace castovin
