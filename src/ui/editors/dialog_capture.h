#pragma once
// "&Copy Clip": a picture of the dialog on the clipboard, then the note that
// it is there.

class QWidget;

namespace castovin {

class MainWindow;

void CopyDialogImage(MainWindow& main, QWidget* dialog);

}  // namespace castovin
