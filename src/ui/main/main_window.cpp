#include "ui/main/main_window.h"

#include <algorithm>

#include <QApplication>
#include <QCloseEvent>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScreen>
#include <QScrollBar>
#include <QTimer>
#include <QToolBar>

#include "core/files/lifecycle.h"
#include "core/program/output_commands.h"
#include "core/program/program_state.h"
#include "core/text/error_trap.h"
#include "core/text/messages.h"
#include "core/text/text_format.h"
#include "ui/app/closing_rules.h"
#include "ui/app/icons.h"
#include "ui/app/names.h"
#include "ui/app/window_helpers.h"
#include "ui/dialogs/convert_dialog.h"
#include "ui/editors/cost_editor_window.h"
#include "ui/editors/description_editor_dialog.h"
#include "ui/editors/options_editor_dialog.h"
#include "ui/editors/parameters_editor_window.h"
#include "ui/help/context_help.h"
#include "ui/help/help_menu.h"
#include "ui/help/notice_dialogs.h"
#include "ui/late/late_windows.h"
#include "ui/platform/platform_services.h"
#include "ui/risk/probabilistic_analysis_window.h"
#include "ui/search/design_search_window.h"
#include "ui/settings/settings_dialog.h"
#include "ui/tools/unit_calculator_dialog.h"
#include "ui/viewer/report_printer.h"
#include "ui/viewer/results_viewer_dialog.h"

namespace castovin {

namespace {

constexpr int kHistoryHeightTwips = 1200;
constexpr int kHistoryLines = 5;  // the pane shows at least this many lines

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
    setObjectName(names::MainWindow);
    setWindowTitle("VELB");
    BuildMenus();
    BuildToolbar();
    BuildCentralArea();
    m_state.messenger.History.SetChangedHandler([this] { ShowHistory(); });
    ShowHistory();
    resize(900, 640);
}

MainWindow::~MainWindow()
{
    m_state.messenger.History.SetChangedHandler({});
}

void MainWindow::BuildCentralArea()
{
    auto* central = new QWidget(this);
    central->setObjectName(names::CentralArea);
    auto* grid = new QGridLayout(central);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(0);

    m_version = new QLabel(" " + Q(VersionText()), central);
    m_version->setObjectName(names::VersionLabel);
    m_version->setAlignment(Qt::AlignRight | Qt::AlignTop);
    m_version->setContentsMargins(0, 2, 6, 0);

    m_logo = new QLabel(central);
    m_logo->setObjectName(names::Logo);
    m_logo->setAlignment(Qt::AlignCenter);
    // At most a third of the screen's height, so that the window fits a
    // small screen (or one at 200 % scaling) with its history pane.
    const QScreen* shown = screen() != nullptr ? screen() : QGuiApplication::primaryScreen();
    const int logo = shown != nullptr ? std::min(320, shown->availableGeometry().height() / 3) : 320;
    m_logo->setPixmap(LogoPixmap(logo, devicePixelRatioF()));

    m_history = new QPlainTextEdit(central);
    m_history->setObjectName(names::HistoryPane);
    m_history->setReadOnly(true);
    m_history->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_history->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_history->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QPalette palette = m_history->palette();
    palette.setColor(QPalette::Base, QColor(192, 192, 192));
    m_history->setPalette(palette);
    m_history->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
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

void MainWindow::UpdateCaption()
{
    setWindowTitle(Q(WindowCaption(m_state.project)));
}

void MainWindow::ApplyDisplaySettings()
{
    const bool shown = m_state.environment.Settings.DisplayHistoryWin == 1;
    m_history->setVisible(shown);
    for (int i : {5, 6, 7})
        m_utilItems[static_cast<std::size_t>(i)]->setEnabled(shown);
    m_utilItems[6]->setText(shown ? "Close History &Window" : "Restore History &Window");
    if (m_state.environment.Settings.MaxMainMenu == 1)
        setWindowState(windowState() | Qt::WindowMaximized);
    else
        setWindowState(windowState() & ~Qt::WindowMaximized);
    m_toolbar->setVisible(m_state.environment.Settings.EnableMainMenuToolbar == 1);
}

void MainWindow::ApplyHistoryFont()
{
    const SettingsRecord& s = m_state.environment.Settings;
    const QString family = Q(s.DisplayFontName);
    FontSetting setting = DisplayFont(s);
    if (!FontFamilyAvailable(family)) {
        // A family the system lacks: the message, then the system's
        // fixed-pitch font rather than whatever face Qt would substitute.
        ShowMessage(m_state.messenger, "Invalid font selection:" + s.DisplayFontName, MsgButtons::OK,
                    m_state.messenger.MsgCategory.Error);
        setting.name = QFontDatabase::systemFont(QFontDatabase::FixedFont).family().toStdString();
    }
    const QFont font = ToQFont(setting);
    m_history->setFont(font);
    // At least five lines of the chosen font fit in the pane.
    const int lines = QFontMetrics(font).lineSpacing() * kHistoryLines;
    const int frame = 2 * m_history->frameWidth() + m_history->horizontalScrollBar()->sizeHint().height() +
                      static_cast<int>(2 * m_history->document()->documentMargin());
    m_history->setFixedHeight(std::max(TwipsToPixels(this, kHistoryHeightTwips), lines + frame));
}

void MainWindow::ShowHistory()
{
    m_history->setPlainText(DisplayText(m_state.messenger.History.Text()));
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
    CommandTrap trap(m_state.messenger, m_cancelFlag, RestoreNormalCursor);
    return trap.Step(step) && trap.Completed();
}

CommandResult MainWindow::Run(Command command)
{
    m_cancelFlag = false;
    switch (command) {
    case Command::DesignOutput:
    case Command::CostOutput:
        m_lastResult = RunOutput(command);
        break;
    case Command::EditDescription:
    case Command::EditParameters:
    case Command::EditCost:
        m_lastResult = RunEditor(command);
        break;
    case Command::Settings:
    case Command::UnitConversion:
    case Command::Options:
    case Command::FileConversion:
    case Command::ClearHistory:
    case Command::ToggleHistory:
    case Command::CopyHistory:
    case Command::DesignSearch:
    case Command::ProbabilisticAnalysis:
        m_lastResult = RunUtility(command);
        break;
    case Command::GraphCMRR:
    case Command::GraphDepth:
    case Command::GraphStabilityFactor:
    case Command::GraphSpan: {
        const int16_t graph = static_cast<int16_t>(static_cast<int>(command) - static_cast<int>(Command::GraphCMRR));
        WindowContext context = Context();
        m_lastResult = Trapped([&] {
            m_platform.Late().OpenGraphWindow(m_state.project, m_state.environment, m_state.messenger, context, graph);
        })
                           ? CommandResult::Done
                           : CommandResult::Failed;
        break;
    }
    case Command::HelpContents:
    case Command::HelpIndex:
    case Command::HelpPdf:
    case Command::ResourceFiles:
    case Command::Disclaimer:
    case Command::ProgramUpdates:
    case Command::About:
        m_lastResult = RunHelp(command);
        break;
    default:
        m_lastResult = RunFileCommand(command);
        break;
    }
    return m_lastResult;
}

CommandResult MainWindow::RunHelp(Command command)
{
    // The help menu's item index of each command, as the help module numbers them.
    static constexpr std::pair<Command, int> kItems[] = {
        {Command::HelpContents, 0}, {Command::HelpIndex, 1},      {Command::HelpPdf, 2}, {Command::ResourceFiles, 4},
        {Command::Disclaimer, 6},   {Command::ProgramUpdates, 8}, {Command::About, 10}};
    for (const auto& [item, index] : kItems)
        if (item == command)
            HelpMenuCommand(index, m_state.environment, m_state.messenger, m_platform, this);
    return CommandResult::Done;
}

CommandResult MainWindow::RunOutput(Command command)
{
    bool done = false;
    const ReportType type = command == Command::DesignOutput ? ReportType::Design : ReportType::Cost;
    if (!Trapped([&] { done = RunOutputCommand(m_state, type); }))
        return CommandResult::Failed;
    if (!done)
        return CommandResult::NotAvailable;
    ShowResultsViewer(this);
    return CommandResult::Done;
}

void MainWindow::ShowResultsViewer(QWidget* owner)
{
    // The window the viewer opened over (an editor or this one) gets the focus back.
    ShowOwnedWindow(
        new ResultsViewerDialog(m_state.project, m_state.session, m_state.environment, m_state.messenger, Context()),
        owner != nullptr ? owner : this, true);
}

CommandResult MainWindow::RunEditor(Command command)
{
    const bool ok = Trapped([&] {
        if (command == Command::EditDescription) {
            ShowOwnedWindow(new DescriptionEditorDialog(m_state.project, m_state.session, m_state.environment,
                                                        m_state.messenger, Context()),
                            this, true);
            return;
        }
        QWidget* editor = nullptr;
        {
            BusyCursor busy;
            editor = command == Command::EditParameters
                         ? static_cast<QWidget*>(new ParametersEditorWindow(
                               m_state.project, m_state.session, m_state.environment, m_state.messenger, Context()))
                         : static_cast<QWidget*>(new CostEditorWindow(
                               m_state.project, m_state.session, m_state.environment, m_state.messenger, Context()));
        }
        setEnabled(false);
        ShowOwnedWindow(editor, this, false);
    });
    return ok ? CommandResult::Done : CommandResult::Failed;
}

CommandResult MainWindow::OpenConversion()
{
    if (RefusedAsEmpty(m_state.project, m_state.messenger))
        return CommandResult::NotAvailable;
    if (m_state.project.ProjectSaved == FlagFalse) {
        ShowMessage(m_state.messenger, "Save Current File before accessing this option", MsgButtons::OK);
        return CommandResult::NotAvailable;
    }
    ShowOwnedWindow(new ConvertDialog(m_state.project, m_state.environment, m_state.messenger, Context()), this, true);
    return CommandResult::Done;
}

CommandResult MainWindow::RunUtility(Command command)
{
    switch (command) {
    case Command::Settings:
        OpenSettingsDialog(m_state.environment, m_state.messenger, Context());
        return CommandResult::Done;
    case Command::UnitConversion:
        OpenUnitCalculator(m_state.messenger, this);
        return CommandResult::Done;
    case Command::Options:
        ShowOwnedWindow(new OptionsEditorDialog(m_state.environment, m_state.messenger, Context()), this, true);
        return CommandResult::Done;
    case Command::FileConversion:
        return OpenConversion();
    case Command::ClearHistory:
        m_state.messenger.History.Clear();
        return CommandResult::Done;
    case Command::ToggleHistory:
        SetHistoryVisible(m_history->isHidden());
        return CommandResult::Done;
    case Command::CopyHistory:
        if (m_history->isHidden())
            return CommandResult::NotAvailable;
        m_platform.SetClipboardText(Q(m_state.messenger.History.Text()));
        return CommandResult::Done;
    case Command::DesignSearch:
        return OpenDesignSearch(m_state.project, m_state.session, m_state.environment, m_state.messenger, Context());
    case Command::ProbabilisticAnalysis:
        return OpenProbabilisticAnalysis(m_state.project, m_state.session, m_state.environment, m_state.messenger,
                                         Context());
    default:
        return CommandResult::NotAvailable;
    }
}

void MainWindow::RunClosingRulesOfOwnedWindows()
{
    // Windows opened from here are top-level windows of their own; their
    // closing rules run before the program ends, once each.
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window == this || !window->isVisible())
            continue;
        // Closing hides the window, and the hide runs its closing rules.
        if (window->findChild<ClosingRules*>(QString(), Qt::FindDirectChildrenOnly) != nullptr)
            window->close();
    }
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    // While an editor or the viewer holds the window disabled, a close from
    // the window manager would end the program under it.
    if (!isEnabled() || !QueryUnload()) {
        event->ignore();
        return;
    }
    RunClosingRulesOfOwnedWindows();
    FormUnload();
    event->accept();
}

}  // namespace castovin
