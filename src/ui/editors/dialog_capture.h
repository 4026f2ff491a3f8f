#pragma once
// "&Copy Clip": a picture of the dialog on the clipboard, then the note that
// it is there.

class QWidget;

namespace castovin {

struct Messenger;
class PlatformServices;

void CopyDialogImage(PlatformServices& platform, Messenger& messenger, QWidget* dialog);

}  // namespace castovin
