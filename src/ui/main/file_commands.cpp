// The main window's file commands: New, Open, Save, Save As, the recent
// files, printing and the preview, and the question before the program ends.

#include <QPrinter>

#include "core/config/settings_file.h"
#include "core/files/lifecycle.h"
#include "core/files/project_file.h"
#include "core/model/report_assembly.h"
#include "core/program/program_state.h"
#include "core/program/project_commands.h"
#include "core/program/unsaved_changes.h"
#include "core/text/messages.h"
#include "core/text/paths.h"
#include "core/text/text_format.h"
#include "core/tools/decimal_separator.h"
#include "ui/app/window_helpers.h"
#include "ui/browser/text_browser_dialog.h"
#include "ui/help/context_help.h"
#include "ui/main/main_window.h"
#include "ui/platform/platform_services.h"
#include "ui/viewer/preview_dialog.h"
#include "ui/viewer/report_printer.h"

namespace castovin {

namespace {

QString WithoutFinalSeparator(const std::string& folder)
{
    if (folder.empty() || folder.back() != PathSeparator)
        return {};
    return Q(folder.substr(0, folder.size() - 1));
}

}  // namespace

CommandResult MainWindow::RunFileCommand(Command command)
{
    switch (command) {
    case Command::New:
        return NewFile();
    case Command::Open:
        return OpenFile();
    case Command::Save:
        return SaveFile(false);
    case Command::SaveAs:
        return SaveFile(true);
    case Command::PrinterSetup:
        return PrinterSetup();
    case Command::Print:
        return PrintProjectReport(true);
    case Command::PrintDirect:
        return PrintProjectReport(false);
    case Command::PrintPreview:
        return PrintPreview();
    case Command::ViewSourceFiles:
        OpenTextBrowser(m_state.environment, m_state.messenger, Context());
        return CommandResult::Done;
    case Command::Exit:
        close();
        return CommandResult::Done;
    default:
        return CommandResult::NotAvailable;
    }
}

std::optional<QString> MainWindow::AskForFile(bool open)
{
    FileDialogRequest request;
    request.mode = open ? FileDialogRequest::Mode::Open : FileDialogRequest::Mode::SaveAs;
    request.title = open ? "Open" : "Save As";
    if (!TrimBlanks(m_state.project.ProjectFilePath).empty())
        request.fileName = Q(FileNamePart(m_state.messenger, m_state.project.ProjectFilePath, false));
    const QString remembered = open ? m_rememberedFolder : QString();
    request.folder = remembered.isEmpty() ? WithoutFinalSeparator(m_state.environment.Settings.DataPath) : remembered;
    const QString extension = Q(m_state.environment.Settings.FileExtension);
    request.filters = {"All Files (*.*)", Q(m_state.environment.ProgramName) + " Files (*." + extension + ")"};
    request.selectedFilter = request.filters[1];
    request.defaultSuffix = extension;
    const std::optional<QString> chosen = m_platform.FileDialog(this, request);
    if (!chosen) {
        // Cancelled: the project keeps the path it had.
        DialogCancelled(m_state.messenger);
        return std::nullopt;
    }
    m_rememberedFolder = Q(FolderPart(S(*chosen)));
    return chosen;
}

SaveDialogs MainWindow::Dialogs()
{
    SaveDialogs dialogs;
    dialogs.ask = [this](const std::string& text, MsgStyle style, const std::string& title) {
        return m_platform.Show(text, style, title);
    };
    dialogs.askName = [this]() -> std::optional<std::string> {
        const std::optional<QString> chosen = AskForFile(false);
        if (!chosen)
            return std::nullopt;
        return S(*chosen);
    };
    dialogs.trapped = [this](const std::function<void()>& step) {
        return Trapped([&] {
            BusyCursor busy;
            step();
        });
    };
    return dialogs;
}

bool MainWindow::LoadProjFile(const QString& path)
{
    const bool opened = castovin::LoadProjFile(m_state, m_state.project.ProjectFilePath, S(path), Dialogs());
    if (opened)
        RebuildRecentFileMenu();
    UpdateCaption();
    if (opened && m_state.environment.Settings.ShowInputScreenOnLoad == 1)
        Run(Command::EditParameters);
    return opened;
}

void MainWindow::mnuFileArray_Click(int number)
{
    LoadProjFile(Q(m_state.environment.Settings.LastFiles[static_cast<std::size_t>(number)].LastFileLong));
}

CommandResult MainWindow::NewFile()
{
    // New replaces the project as Open does, so it asks the same question;
    // a save that does not happen keeps the project.
    if (!AskToSaveChanges(m_state, m_state.project.ProjectFilePath, true, Dialogs())) {
        UpdateCaption();
        return CommandResult::Cancelled;
    }
    NewProject(m_state.project, m_state.session, m_state.environment, m_state.messenger, true, true);
    UpdateCaption();
    if (m_state.environment.Settings.ShowInputScreenOnLoad == 1)
        Run(Command::EditParameters);
    return CommandResult::Done;
}

CommandResult MainWindow::OpenFile()
{
    const std::optional<QString> chosen = AskForFile(true);
    if (!chosen)
        return CommandResult::Cancelled;
    return LoadProjFile(*chosen) ? CommandResult::Done : CommandResult::Failed;
}

bool MainWindow::FileMenuSave(bool force)
{
    return castovin::FileMenuSave(m_state, m_state.project.ProjectFilePath, force, Dialogs());
}

CommandResult MainWindow::SaveFile(bool force)
{
    if (!FileMenuSave(force))
        return CommandResult::Cancelled;
    RecentFileUpdate(m_state.environment, m_state.messenger, m_state.project.ProjectFilePath);
    RebuildRecentFileMenu();
    UpdateCaption();
    return CommandResult::Done;
}

bool MainWindow::AskCurrentFileEmpty()
{
    return ShowMessage(m_state.messenger, "Current file is empty. Continue?",
                       MsgStyle{MsgButtons::YesNo, MsgIcon::Question, MsgDefault::Second}) == MsgResult::Yes;
}

void MainWindow::BuildInputListing()
{
    m_state.session.OutputBuffer[0] = FullListing(m_state.project, m_state.environment.Settings.PrintModuleHeader == 1);
}

CommandResult MainWindow::PrinterSetup()
{
    if (!m_platform.PrinterSetupDialog(this, m_platform.Printer()))
        return DialogCancelled(m_state.messenger);
    return CommandResult::Done;
}

CommandResult MainWindow::PrintProjectReport(bool withDialog)
{
    if (m_state.project.ProjectEmpty == FlagTrue && !AskCurrentFileEmpty())
        return CommandResult::Cancelled;
    QPrinter& printer = m_platform.Printer();
    if ((withDialog || !PrintsWithoutDialog(printer)) &&
        !m_platform.PrintDialog(
            this, printer, false,
            SuggestedPdfName(m_state.environment.Settings.DataPath, m_state.project.ProjectFilePath)))
        return DialogCancelled(m_state.messenger);
    const bool printed = Trapped([&] {
        BuildInputListing();
        BusyCursor busy;
        PrintReport(printer, Q(m_state.environment.ProgramName),
                    {m_state.session.OutputBuffer[0], m_state.session.OutputBuffer[1]});
    });
    return printed ? CommandResult::Done : CommandResult::Failed;
}

CommandResult MainWindow::PrintPreview()
{
    if (m_state.project.ProjectEmpty == FlagTrue && !AskCurrentFileEmpty())
        return CommandResult::Cancelled;
    if (!Trapped([&] { BuildInputListing(); }))
        return CommandResult::Failed;
    ShowOwnedWindow(
        new PreviewDialog(m_state.project, m_state.session, m_state.environment, m_state.messenger, Context()), this,
        true);
    return CommandResult::Done;
}

bool MainWindow::QueryUnload()
{
    return castovin::QueryUnload(m_state, Dialogs());
}

void MainWindow::FormUnload()
{
    if (m_unloaded)
        return;
    m_unloaded = true;
    CloseHelpWindow();
    SaveSettings(m_state.environment, m_state.messenger, SettingsGroup::FileMenu);
    RestoreDecimalSeparator(m_state.environment);
}

}  // namespace castovin
