#pragma once
// frmMain: the program's only top-level window. Menus, toolbar, logo,
// version label and the history pane; every command routes to the core or
// to the window that does the work.

#include <array>
#include <functional>

#include <QMainWindow>
#include <QPointer>

#include "app/window_context.h"

class QAction;
class QLabel;
class QMenu;
class QPlainTextEdit;
class QToolBar;

namespace castovin {

struct ProgramState;
class PlatformServices;

class MainWindow : public QMainWindow, public ProgramHost {
    Q_OBJECT

public:
    MainWindow(ProgramState& state, PlatformServices& platform);
    ~MainWindow() override;

    ProgramState& State() { return m_state; }
    PlatformServices& Platform() { return m_platform; }

    // Form_Load: recent-file menu, display settings, placement.
    void FormLoad();
    // Caption "VELB: <path>" with "*" for unsaved changes.
    void UpdateCaption() override;
    QWidget* HostWindow() override { return this; }
    void ShowResultsViewer(QWidget*) override { ShowResultsViewer(); }
    // Display settings: history pane, maximised start, toolbar.
    void ApplyDisplaySettings();
    // The four display-font settings on the history pane.
    void ApplyHistoryFont();

    // Opens the file named by ProjectFilePath; on success updates the
    // recent-file list and the caption. The previous path is asked about
    // first when the project has unsaved changes.
    bool LoadProjFile(const QString& previousPath);
    // Opens recent-file entry `number` (1..4).
    void mnuFileArray_Click(int number);
    // Saves the project, asking for a name when it has none or when forced;
    // true when it was written.
    bool FileMenuSave(bool force);

    void mnuFileItem_Click(int index);
    void mnuEditItem_Click(int index);
    void mnuCalcItem_Click(int index);
    void mnuUtilItem_Click(int index);
    void Toolbar1_ButtonClick(int button);

    // The window's cancel flag: set when a file or printer dialog was cancelled.
    bool CancelFlag = false;

    // Runs `step` under the run-time error trap; false when the command must
    // be left.
    bool Trapped(const std::function<void()>& step) override;

    // Prints report text with the page layout of the program on the current
    // printer (modes start, text..., end).
    void PrintTexts(const std::vector<std::string>& texts);

    // Opens the results viewer on the pages built (modal).
    void ShowResultsViewer();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildMenus();
    void BuildToolbar();
    void BuildCentralArea();
    void RebuildRecentFileMenu();
    void ShowHistory();
    void SetHistoryVisible(bool visible);
    std::optional<QString> AskForFile(bool open);
    bool AskCurrentFileEmpty();
    void BuildInputListing();
    void PrintProjectReport(bool withDialog);
    void OpenConversion();
    void FormUnload();
    bool QueryUnload();
    QAction* MenuAction(QMenu* menu, const QString& name, const QString& text, int helpContext,
                        const QKeySequence& shortcut = {});

    ProgramState& m_state;
    PlatformServices& m_platform;
    QString m_rememberedFolder;
    bool m_unloaded = false;

    QMenu* m_fileMenu = nullptr;
    std::array<QAction*, 12> m_fileItems{};
    std::array<QAction*, 5> m_fileArray{};
    std::array<QAction*, 3> m_editItems{};
    std::array<QAction*, 4> m_calcItems{};
    std::array<QAction*, 4> m_graphItems{};
    std::array<QAction*, 8> m_utilItems{};
    std::array<QAction*, 11> m_helpItems{};
    std::array<QAction*, 7> m_toolButtons{};
    QToolBar* m_toolbar = nullptr;
    QLabel* m_logo = nullptr;
    QLabel* m_version = nullptr;
    QPlainTextEdit* m_history = nullptr;
};

}  // namespace castovin
