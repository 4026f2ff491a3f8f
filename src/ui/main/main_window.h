#pragma once
// frmMain: the program's only top-level window. Menus, toolbar, logo,
// version label and the history pane; every command routes to the core or
// to the window that does the work. The other windows see it only as a
// ProgramHost (app/window_context.h).
//
// The class is written in three files: main_window.cpp (the window, the
// command runner and the windows it opens), main_menus.cpp (the menu and
// toolbar tables) and file_commands.cpp (New, Open, Save, Print, closing).

#include <array>
#include <functional>
#include <optional>

#include <QMainWindow>

#include "ui/app/window_context.h"

class QAction;
class QLabel;
class QMenu;
class QPlainTextEdit;
class QToolBar;

namespace castovin {

struct ProgramState;
struct SaveDialogs;
class PlatformServices;

class MainWindow : public QMainWindow, public ProgramHost {
    Q_OBJECT

public:
    MainWindow(ProgramState& state, PlatformServices& platform);
    ~MainWindow() override;

    ProgramState& State() { return m_state; }
    PlatformServices& Platform() { return m_platform; }
    // What the windows opened from here receive.
    WindowContext Context() { return {m_platform, *this}; }

    // Form_Load: recent-file menu, display settings, placement. The
    // start-up notices follow the shown window (app/startup_window.h).
    void FormLoad();
    // Display settings: history pane, maximised start, toolbar.
    void ApplyDisplaySettings() override;
    // The four display-font settings on the history pane.
    void ApplyHistoryFont() override;

    // ProgramHost.
    QWidget* HostWindow() override { return this; }
    void UpdateCaption() override;
    void ShowResultsViewer(QWidget* owner) override;
    bool Trapped(const std::function<void()>& step) override;
    CommandResult Run(Command command) override;
    // How the last command run ended.
    CommandResult LastResult() const { return m_lastResult; }

    // Opens the file at `path`; on success updates the recent-file list and
    // the caption. The project's own path is asked about first when it has
    // unsaved changes.
    bool LoadProjFile(const QString& path);
    // Opens recent-file entry `number` (1..4).
    void mnuFileArray_Click(int number);
    // Saves the project, asking for a name when it has none or when forced;
    // true when it was written.
    bool FileMenuSave(bool force);

    // The menus and the toolbar by position, as thin mappings onto Run.
    void mnuFileItem_Click(int index);
    void mnuEditItem_Click(int index);
    void mnuCalcItem_Click(int index);
    void mnuUtilItem_Click(int index);
    void Toolbar1_ButtonClick(int button);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // main_menus.cpp
    void BuildMenus();
    void BuildToolbar();
    void RebuildRecentFileMenu();

    // main_window.cpp
    void BuildCentralArea();
    void ShowHistory();
    void SetHistoryVisible(bool visible);
    CommandResult RunOutput(Command command);
    CommandResult RunHelp(Command command);
    CommandResult RunEditor(Command command);
    CommandResult RunUtility(Command command);
    CommandResult OpenConversion();
    void RunClosingRulesOfOwnedWindows();

    // file_commands.cpp
    CommandResult RunFileCommand(Command command);
    CommandResult NewFile();
    CommandResult OpenFile();
    CommandResult SaveFile(bool force);
    CommandResult PrinterSetup();
    CommandResult PrintProjectReport(bool withDialog);
    CommandResult PrintPreview();
    std::optional<QString> AskForFile(bool open);
    bool AskCurrentFileEmpty();
    // The questions, the Save As dialog and the error trap of this window,
    // for the unsaved-changes protocol.
    SaveDialogs Dialogs();
    void BuildInputListing();
    void FormUnload();
    bool QueryUnload();

    ProgramState& m_state;
    PlatformServices& m_platform;
    QString m_rememberedFolder;
    bool m_unloaded = false;
    bool m_cancelFlag = false;  // the window's cancel flag for the error trap
    CommandResult m_lastResult = CommandResult::Done;

    QMenu* m_fileMenu = nullptr;
    std::array<QAction*, 5> m_fileArray{};
    std::array<QAction*, 10> m_utilItems{};
    QToolBar* m_toolbar = nullptr;
    QLabel* m_logo = nullptr;
    QLabel* m_version = nullptr;
    QPlainTextEdit* m_history = nullptr;
};

}  // namespace castovin
