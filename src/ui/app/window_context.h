#pragma once
// What a window receives instead of the main window, besides the parts of
// the program state it works on (each window's constructor names those): the
// platform services and a narrow interface to the main window. No window but
// the main window includes main/main_window.h.

#include <functional>

#include "ui/app/commands.h"

class QWidget;

namespace castovin {

class PlatformServices;

// The main window as the other windows see it.
class ProgramHost {
public:
    virtual ~ProgramHost() = default;

    // The main window itself, as the owner of dialogs and the window that is
    // disabled while a modal window is open.
    virtual QWidget* HostWindow() = 0;
    // Caption "VELB: <path>" with "*" for unsaved changes.
    virtual void UpdateCaption() = 0;
    // Opens the results viewer on the pages built, over `owner` (the window
    // that gets the focus back when the viewer closes).
    virtual void ShowResultsViewer(QWidget* owner) = 0;
    // Runs `step` under the run-time error trap; false when the command must
    // be left.
    virtual bool Trapped(const std::function<void()>& step) = 0;
    // Runs a menu command (opening an editor, an output, ...).
    virtual CommandResult Run(Command command) = 0;
    // The display settings at once: history pane and its menu items,
    // maximised or normal window, toolbar.
    virtual void ApplyDisplaySettings() = 0;
    // The history font of the settings on the history pane (a font the
    // system does not have is reported).
    virtual void ApplyHistoryFont() = 0;
};

struct WindowContext {
    PlatformServices& platform;
    ProgramHost& host;
};

}  // namespace castovin
