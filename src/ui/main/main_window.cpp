#include "main/main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFontDatabase>
#include <QGridLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QScrollBar>
#include <QToolBar>
#include <QVBoxLayout>

#include "app/icons.h"
#include "app/window_helpers.h"
#include "config/settings_file.h"
#include "dialogs/convert_dialog.h"
#include "editors/cost_editor_window.h"
#include "editors/description_editor.h"
#include "editors/options_editor_window.h"
#include "editors/parameters_editor.h"
#include "program/output_commands.h"
#include "program/program_state.h"
#include "program/project_commands.h"
#include "model/report_assembly.h"
#include "files/lifecycle.h"
#include "files/project_file.h"
#include "graphs/graph_window.h"
#include "platform/platform_services.h"
#include "text/error_trap.h"
#include "text/messages.h"
#include "text/paths.h"
#include "text/runtime_error.h"
#include "text/text_format.h"
#include "tools/decimal_separator.h"
#include "viewer/preview_window.h"
#include "viewer/report_printer.h"
#include "viewer/results_viewer.h"

namespace castovin {

namespace {

constexpr int kHistoryHeightTwips = 1200;

// The hourglass while a step runs; the trap restores the normal pointer too.
class BusyCursor {
public:
    BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

QString WithoutFinalSeparator(const std::string& folder)
{
    if (folder.empty() || folder.back() != PathSeparator)
        return {};
    return Q(folder.substr(0, folder.size() - 1));
}

QString DisplayText(const std::string& log)
{
    QString text = Q(log);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    if (text.endsWith('\n'))
        text.chop(1);
    return text;
}

}  // namespace

MainWindow::MainWindow(ProgramState& state, PlatformServices& platform) : m_state(state), m_platform(platform)
{
    setObjectName("frmMain");
    setWindowTitle("VELB");
    BuildMenus();
    BuildToolbar();
    BuildCentralArea();
    m_state.History.SetChangedHandler([this] { ShowHistory(); });
    ShowHistory();
    resize(900, 640);
}

MainWindow::~MainWindow()
{
    m_state.History.SetChangedHandler({});
}

QAction* MainWindow::MenuAction(QMenu* menu, const QString& name, const QString& text, int helpContext,
                                const QKeySequence& shortcut)
{
    QAction* action = menu->addAction(text);
    action->setObjectName(name);
    if (text == "-")
        action->setSeparator(true);
    if (helpContext != 0)
        action->setProperty("helpContext", helpContext);
    if (!shortcut.isEmpty())
        action->setShortcut(shortcut);
    return action;
}

void MainWindow::BuildMenus()
{
    m_fileMenu = menuBar()->addMenu("&File");
    m_fileMenu->setObjectName("mnuFile");
    struct Item {
        const char* text;
        int help;
        QKeySequence key;
    };
    const Item fileItems[12] = {{"&New", 1100, QKeySequence("Ctrl+N")},
                                {"&Open...", 1200, QKeySequence("Ctrl+O")},
                                {"&Save ", 1300, QKeySequence("Ctrl+S")},
                                {"Save &As...", 1400, {}},
                                {"-", 0, {}},
                                {"Printer Set&up...", 1500, {}},
                                {"&Print", 1550, QKeySequence("Ctrl+P")},
                                {"Print Pre&view...", 1600, {}},
                                {"-", 0, {}},
                                {"&View Source Files...", 1700, QKeySequence("Ctrl+B")},
                                {"-", 0, {}},
                                {"E&xit", 1800, {}}};
    for (int i = 0; i < 12; ++i) {
        m_fileItems[i] = MenuAction(m_fileMenu, QString("mnuFileItem_%1").arg(i), fileItems[i].text, fileItems[i].help,
                                    fileItems[i].key);
        connect(m_fileItems[i], &QAction::triggered, this, [this, i] { mnuFileItem_Click(i); });
    }
    m_fileItems[9]->setEnabled(false);  // the text file browser comes later
    m_fileArray[0] = MenuAction(m_fileMenu, "mnuFileArray_0", "-", 0);
    m_fileArray[0]->setVisible(false);

    QMenu* edit = menuBar()->addMenu("&Input");
    edit->setObjectName("mnuEdit");
    const Item editItems[3] = {{"Project &Description...", 2000, {}},
                               {"Project &Parameters...", 2000, QKeySequence("Ctrl+E")},
                               {"&Cost...", 2000, QKeySequence("Ctrl+T")}};
    for (int i = 0; i < 3; ++i) {
        m_editItems[i] = MenuAction(edit, QString("mnuEditItem_%1").arg(i), editItems[i].text, editItems[i].help,
                                    editItems[i].key);
        connect(m_editItems[i], &QAction::triggered, this, [this, i] { mnuEditItem_Click(i); });
    }

    QMenu* calc = menuBar()->addMenu("&Output");
    calc->setObjectName("mnuCalc");
    m_calcItems[0] = MenuAction(calc, "mnuCalcItem_0", "&VELB Output...", 3100);
    m_calcItems[1] = MenuAction(calc, "mnuCalcItem_1", "&Cost Output...", 3200);
    m_calcItems[2] = MenuAction(calc, "mnuCalcItem_2", "-", 0);
    QMenu* graphs = calc->addMenu("Graph ");
    graphs->setObjectName("mnuCalcItem_3");
    m_calcItems[3] = graphs->menuAction();
    m_calcItems[3]->setProperty("helpContext", 3500);
    const char* graphTexts[4] = {"Sug VELB vs CMRR", "Sug VELB vs Depth", "Sug VELB vs Stability Factor",
                                 "Sug VELB vs Intersection Span"};
    for (int i = 0; i < 4; ++i) {
        m_graphItems[i] = MenuAction(graphs, QString("mnuCalcGrafItem_%1").arg(i), graphTexts[i], 3500);
        connect(m_graphItems[i], &QAction::triggered, this, [this, i] {
            WindowContext context{m_state, m_platform, *this};
            OpenGraphWindow(context, static_cast<int16_t>(i));
        });
    }
    for (int i = 0; i < 2; ++i)
        connect(m_calcItems[i], &QAction::triggered, this, [this, i] { mnuCalcItem_Click(i); });

    QMenu* util = menuBar()->addMenu("&Utilities");
    util->setObjectName("mnuUtil");
    const Item utilItems[8] = {{"&Settings...", 4100, {}},          {"&Options...", 4200, {}},
                               {"&Unit Conversion...", 4300, {}},   {"&File Conversion...", 4400, {}},
                               {"-", 0, {}},                        {"&Clear History Window", 4000, {}},
                               {"Close History &Window", 4000, {}}, {"Co&py History &Window", 4000, {}}};
    for (int i = 0; i < 8; ++i) {
        m_utilItems[i] = MenuAction(util, QString("mnuUtilItem_%1").arg(i), utilItems[i].text, utilItems[i].help);
        connect(m_utilItems[i], &QAction::triggered, this, [this, i] { mnuUtilItem_Click(i); });
    }
    for (int i : {0, 2})
        m_utilItems[i]->setEnabled(false);  // the settings dialog and the unit calculator come later

    QMenu* help = menuBar()->addMenu("&Help");
    help->setObjectName("mnuHelp");
    const Item helpItems[11] = {{"Help &Contents...", 5000, QKeySequence("F1")},
                                {"Help &Index...", 5000, {}},
                                {"Help in &PDF format...", 0, {}},
                                {"-", 0, {}},
                                {"&Resource Files...", 0, {}},
                                {"-", 0, {}},
                                {"&Disclaimer...", 5000, {}},
                                {"-", 0, {}},
                                {"Program Updates...", 0, {}},
                                {"-", 0, {}},
                                {"&About the Program...", 5000, {}}};
    for (int i = 0; i < 11; ++i) {
        m_helpItems[i] = MenuAction(help, QString("mnuHelpItem_%1").arg(i), helpItems[i].text, helpItems[i].help,
                                    helpItems[i].key);
        m_helpItems[i]->setEnabled(false);  // help and notices come later
    }
}

void MainWindow::BuildToolbar()
{
    m_toolbar = addToolBar("Toolbar");
    m_toolbar->setObjectName("Toolbar1");
    m_toolbar->setMovable(false);
    m_toolbar->setIconSize(QSize(24, 24));
    struct Button {
        ToolIcon icon;
        const char* tip;
    };
    const Button buttons[6] = {{ToolIcon::Open, "Open Data File"},
                               {ToolIcon::Save, "Save Data File"},
                               {ToolIcon::Print, "Print Data File"},
                               {ToolIcon::Description, "Edit Description"},
                               {ToolIcon::BoltSystem, "Edit Roof Bolt System Data"},
                               {ToolIcon::Cost, "Edit Cost Data"}};
    for (int i = 1; i <= 6; ++i) {
        QAction* action = m_toolbar->addAction(ToolbarIcon(buttons[i - 1].icon), buttons[i - 1].tip);
        action->setObjectName(QString("Toolbar1_%1").arg(i));
        action->setToolTip(buttons[i - 1].tip);
        connect(action, &QAction::triggered, this, [this, i] { Toolbar1_ButtonClick(i); });
        m_toolButtons[static_cast<std::size_t>(i)] = action;
    }
}

void MainWindow::BuildCentralArea()
{
    auto* central = new QWidget(this);
    central->setObjectName("centralArea");
    auto* grid = new QGridLayout(central);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(0);

    m_version = new QLabel(" " + Q(VersionText()), central);
    m_version->setObjectName("lblver");
    m_version->setAlignment(Qt::AlignRight | Qt::AlignTop);
    m_version->setContentsMargins(0, 2, 6, 0);

    m_logo = new QLabel(central);
    m_logo->setObjectName("Picture1");
    m_logo->setAlignment(Qt::AlignCenter);
    m_logo->setPixmap(LogoPixmap(320, devicePixelRatioF()));

    m_history = new QPlainTextEdit(central);
    m_history->setObjectName("txtMain");
    m_history->setReadOnly(true);
    m_history->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_history->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_history->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QPalette palette = m_history->palette();
    palette.setColor(QPalette::Base, QColor(192, 192, 192));
    m_history->setPalette(palette);
    m_history->setFixedHeight(TwipsToPixels(this, kHistoryHeightTwips));

    // The logo sits centred, a little above the middle of the free area; the
    // version label in the upper right corner; the pane across the bottom.
    grid->addWidget(m_version, 0, 0, Qt::AlignRight | Qt::AlignTop);
    grid->addWidget(m_logo, 1, 0, Qt::AlignCenter);
    grid->setRowStretch(1, 1);
    grid->setRowMinimumHeight(2, TwipsToPixels(this, 500));
    grid->addWidget(m_history, 3, 0);
    setCentralWidget(central);
}

void MainWindow::FormLoad()
{
    RebuildRecentFileMenu();
    ApplyDisplaySettings();
    CenterOnScreen(this);
}

void MainWindow::RebuildRecentFileMenu()
{
    const bool any = BuildRecentFileMenu(m_state);
    for (int n = 1; n <= 4; ++n) {
        QAction*& action = m_fileArray[static_cast<std::size_t>(n)];
        const std::string& caption = m_state.RecentFileCaptions[static_cast<std::size_t>(n)];
        if (caption.empty()) {
            if (action != nullptr)
                action->setVisible(false);
            continue;
        }
        if (action == nullptr) {
            action = MenuAction(m_fileMenu, QString("mnuFileArray_%1").arg(n), {}, 0);
            connect(action, &QAction::triggered, this, [this, n] { mnuFileArray_Click(n); });
        }
        action->setText(Q(caption));
        action->setVisible(true);
    }
    m_fileArray[0]->setVisible(any);
}

void MainWindow::UpdateCaption()
{
    setWindowTitle(Q(WindowCaption(m_state)));
}

void MainWindow::ApplyDisplaySettings()
{
    const bool shown = m_state.Settings.DisplayHistoryWin == 1;
    m_history->setVisible(shown);
    for (int i : {5, 6, 7})
        m_utilItems[i]->setEnabled(shown);
    m_utilItems[6]->setText(shown ? "Close History &Window" : "Restore History &Window");
    if (m_state.Settings.MaxMainMenu == 1)
        setWindowState(windowState() | Qt::WindowMaximized);
    else
        setWindowState(windowState() & ~Qt::WindowMaximized);
    m_toolbar->setVisible(m_state.Settings.EnableMainMenuToolbar == 1);
}

void MainWindow::ApplyHistoryFont()
{
    const SettingsRecord& s = m_state.Settings;
    const QString family = Q(s.DisplayFontName);
    if (!FontFamilyAvailable(family)) {
        ShowMessage(m_state, "Invalid font selection:" + s.DisplayFontName, MsgStyle::OK, m_state.MsgCategory.Error);
        return;
    }
    QFont font(family);
    font.setPointSizeF(s.DisplayFontSize);
    font.setBold(s.DisplayFontBold != 0);
    font.setItalic(s.DisplayFontItalic != 0);
    m_history->setFont(font);
}

void MainWindow::ShowHistory()
{
    m_history->setPlainText(DisplayText(m_state.History.Text()));
    m_history->moveCursor(QTextCursor::End);
    m_history->verticalScrollBar()->setValue(m_history->verticalScrollBar()->maximum());
}

void MainWindow::SetHistoryVisible(bool visible)
{
    m_history->setVisible(visible);
    m_utilItems[6]->setText(visible ? "Close History &Window" : "Restore History &Window");
    m_utilItems[7]->setEnabled(visible);
}

bool MainWindow::Trapped(const std::function<void()>& step)
{
    CommandTrap trap(m_state, CancelFlag, RestoreNormalCursor);
    return trap.Step(step) && trap.Completed();
}

std::optional<QString> MainWindow::AskForFile(bool open)
{
    CancelFlag = false;
    const std::string before = m_state.ProjectFilePath;
    FileDialogRequest request;
    request.mode = open ? FileDialogRequest::Mode::Open : FileDialogRequest::Mode::SaveAs;
    request.title = open ? "Open" : "Save As";
    if (!TrimBlanks(m_state.ProjectFilePath).empty())
        request.fileName = Q(FileNamePart(m_state, m_state.ProjectFilePath, false));
    const QString remembered = open ? m_rememberedFolder : QString();
    request.folder = remembered.isEmpty() ? WithoutFinalSeparator(m_state.Settings.DataPath) : remembered;
    const QString extension = Q(m_state.Settings.FileExtension);
    request.filters = {"All Files (*.*)", Q(m_state.ProgramName) + " Files (*." + extension + ")"};
    request.selectedFilter = request.filters[1];
    request.defaultSuffix = extension;
    const std::optional<QString> chosen = m_platform.FileDialog(this, request);
    if (!chosen) {
        // Cancelled: the project keeps the path it had.
        m_state.ProjectFilePath = before;
        return std::nullopt;
    }
    m_state.ProjectFilePath = S(*chosen);
    m_rememberedFolder = Q(FolderPart(S(*chosen)));
    return chosen;
}

bool MainWindow::LoadProjFile(const QString& previousPath)
{
    if (m_state.ProjectSaved == FlagFalse) {
        const int answer = m_platform.Show("Save changes to: " + S(previousPath) + "?",
                                           MsgStyle::YesNo + MsgStyle::Question + MsgStyle::DefaultButton2,
                                           m_state.ProgramTitle);
        if (answer == MsgResult::Yes) {
            const std::string opening = m_state.ProjectFilePath;
            m_state.ProjectFilePath = S(previousPath);
            FileMenuSave(false);
            m_state.ProjectFilePath = opening;
        }
    }
    // A failed open leaves the project "Untitled"; a retry reads the file
    // it was asked for again.
    const std::string target = m_state.ProjectFilePath;
    bool opened = false;
    Trapped([&] {
        BusyCursor busy;
        m_state.ProjectFilePath = target;
        opened = OpenProject(m_state);
    });
    if (opened) {
        RecentFileUpdate(m_state, m_state, m_state.ProjectFilePath);
        RebuildRecentFileMenu();
    }
    UpdateCaption();
    if (opened && m_state.Settings.ShowInputScreenOnLoad == 1)
        mnuEditItem_Click(1);
    return opened;
}

void MainWindow::mnuFileArray_Click(int number)
{
    const QString previous = Q(m_state.ProjectFilePath);
    m_state.ProjectFilePath = m_state.Settings.LastFiles[static_cast<std::size_t>(number)].LastFileLong;
    LoadProjFile(previous);
}

bool MainWindow::FileMenuSave(bool force)
{
    if (force || ProjectNeedsName(m_state)) {
        bool chosen = false;
        if (!Trapped([&] {
                chosen = AskForFile(false).has_value();
                if (!chosen)
                    throw RuntimeError(err::DialogCancelled);
            }) ||
            !chosen)
            return false;
    }
    // A project named without a folder (after a conversion) goes to the
    // data folder, not to wherever the program happens to run.
    if (FolderPart(m_state.ProjectFilePath).empty())
        m_state.ProjectFilePath = m_state.Settings.DataPath + m_state.ProjectFilePath;
    return Trapped([&] {
        BusyCursor busy;
        FileSave(m_state, m_state);
    });
}

bool MainWindow::AskCurrentFileEmpty()
{
    return ShowMessage(m_state, "Current file is empty. Continue?",
                       MsgStyle::YesNo + MsgStyle::Question + MsgStyle::DefaultButton2) == MsgResult::Yes;
}

void MainWindow::BuildInputListing()
{
    m_state.OutputBuffer[0] = FullListing(m_state, m_state.Settings.PrintModuleHeader == 1);
}

void MainWindow::PrintTexts(const std::vector<std::string>& texts)
{
    BusyCursor busy;
    ReportPrinter printer(m_platform.Printer(), Q(m_state.ProgramName));
    printer.Start();
    for (const std::string& text : texts)
        printer.PrintText(text);
    printer.End();
}

void MainWindow::PrintProjectReport(bool withDialog)
{
    if (m_state.ProjectEmpty == FlagTrue && !AskCurrentFileEmpty())
        return;
    if (withDialog) {
        Trapped([&] {
            if (!m_platform.PrintDialog(this, m_platform.Printer(), false))
                throw RuntimeError(err::DialogCancelled);
        });
        if (CancelFlag)
            return;
    }
    Trapped([&] {
        BuildInputListing();
        PrintTexts({m_state.OutputBuffer[0], m_state.OutputBuffer[1]});
    });
}

void MainWindow::mnuFileItem_Click(int index)
{
    CancelFlag = false;
    switch (index) {
    case 0:
        NewProject(m_state, true, true);
        UpdateCaption();
        if (m_state.Settings.ShowInputScreenOnLoad == 1)
            mnuEditItem_Click(1);
        break;
    case 1: {
        const QString previous = Q(m_state.ProjectFilePath);
        bool chosen = false;
        Trapped([&] {
            chosen = AskForFile(true).has_value();
            if (!chosen)
                throw RuntimeError(err::DialogCancelled);
        });
        if (chosen && !CancelFlag)
            LoadProjFile(previous);
        break;
    }
    case 2:
    case 3:
        if (FileMenuSave(index == 3)) {
            RecentFileUpdate(m_state, m_state, m_state.ProjectFilePath);
            RebuildRecentFileMenu();
            UpdateCaption();
        }
        break;
    case 5:
        Trapped([&] {
            if (!m_platform.PrinterSetupDialog(this, m_platform.Printer()))
                throw RuntimeError(err::DialogCancelled);
        });
        break;
    case 6:
        PrintProjectReport(true);
        break;
    case 7:
        if (m_state.ProjectEmpty == FlagTrue && !AskCurrentFileEmpty())
            return;
        if (Trapped([&] { BuildInputListing(); }))
            ShowOwnedWindow(new PreviewWindow(*this), this, true);
        break;
    case 11:
        close();
        break;
    default:
        break;
    }
}

void MainWindow::mnuEditItem_Click(int index)
{
    Trapped([&] {
        if (index == 0) {
            ShowOwnedWindow(new DescriptionEditor(*this), this, true);
            return;
        }
        if (index != 1 && index != 2)
            return;
        QWidget* editor = nullptr;
        {
            BusyCursor busy;
            editor = index == 1 ? static_cast<QWidget*>(new ParametersEditor(*this))
                                : static_cast<QWidget*>(new CostEditorWindow(*this));
        }
        setEnabled(false);
        ShowOwnedWindow(editor, this, false);
    });
}

void MainWindow::mnuCalcItem_Click(int index)
{
    if (index != 0 && index != 1)
        return;
    bool done = false;
    Trapped([&] { done = RunOutputCommand(m_state, index == 0 ? ReportType::Design : ReportType::Cost); });
    if (done)
        ShowResultsViewer();
}

void MainWindow::ShowResultsViewer()
{
    ShowOwnedWindow(new ResultsViewer(*this), this, true);
}

void MainWindow::OpenConversion()
{
    if (m_state.ProjectEmpty != FlagFalse) {
        ShowMessage(m_state, "Current file is empty", MsgStyle::DefaultButton2);
        return;
    }
    if (m_state.ProjectSaved == FlagFalse) {
        ShowMessage(m_state, "Save Current File before accessing this option", MsgStyle::OK);
        return;
    }
    ShowOwnedWindow(new ConvertDialog(*this), this, true);
}

void MainWindow::mnuUtilItem_Click(int index)
{
    switch (index) {
    case 1:
        ShowOwnedWindow(new OptionsEditorWindow(*this), this, true);
        break;
    case 3:
        OpenConversion();
        break;
    case 5:
        m_state.History.Clear();
        break;
    case 6:
        SetHistoryVisible(m_history->isHidden());
        break;
    case 7:
        if (!m_history->isHidden())
            m_platform.SetClipboardText(Q(m_state.History.Text()));
        break;
    default:
        break;
    }
}

void MainWindow::Toolbar1_ButtonClick(int button)
{
    switch (button) {
    case 1: mnuFileItem_Click(1); break;
    case 2: mnuFileItem_Click(2); break;
    case 3: CancelFlag = false; PrintProjectReport(false); break;
    case 4: mnuEditItem_Click(0); break;
    case 5: mnuEditItem_Click(1); break;
    case 6: mnuEditItem_Click(2); break;
    default: break;
    }
}

bool MainWindow::QueryUnload()
{
    if (m_state.ProjectSaved != FlagFalse)
        return true;
    const int answer = m_platform.Show("Save changes to: " + m_state.ProjectFilePath + "?",
                                       MsgStyle::YesNoCancel + MsgStyle::Question, m_state.ProgramTitle);
    if (answer == MsgResult::No)
        return true;
    if (answer != MsgResult::Yes)
        return false;
    if (!FileMenuSave(false))
        return false;
    RecentFileUpdate(m_state, m_state, m_state.ProjectFilePath);
    return true;
}

void MainWindow::FormUnload()
{
    if (m_unloaded)
        return;
    m_unloaded = true;
    SaveSettings(m_state, m_state, SettingsGroup::FileMenu);
    RestoreDecimalSeparator(m_state);
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    // While an editor or the viewer holds the window disabled, a close from
    // the window manager would end the program under it.
    if (!isEnabled() || !QueryUnload()) {
        event->ignore();
        return;
    }
    FormUnload();
    event->accept();
}

}  // namespace castovin
