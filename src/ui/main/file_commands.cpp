// The main window's file commands: New, Open, Save, Save As, the recent
// files, printing and the preview, and the question before the program ends.

#include <QPrinter>

#include "app/window_helpers.h"
#include "browser/text_browser.h"
#include "config/settings_file.h"
#include "files/lifecycle.h"
#include "files/project_file.h"
#include "help/help_window.h"
#include "main/main_window.h"
#include "model/report_assembly.h"
#include "platform/platform_services.h"
#include "program/program_state.h"
#include "program/project_commands.h"
#include "text/messages.h"
#include "text/paths.h"
#include "text/text_format.h"
#include "tools/decimal_separator.h"
#include "viewer/preview_window.h"
#include "viewer/report_printer.h"

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
        OpenTextBrowser(Context());
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
    m_state.project.ProjectFilePath = S(*chosen);
    m_rememberedFolder = Q(FolderPart(S(*chosen)));
    return chosen;
}

bool MainWindow::AskToSaveChanges(const QString& previousPath, bool stopWhenNotSaved)
{
    if (m_state.project.ProjectSaved != FlagFalse)
        return true;
    const MsgResult answer =
        m_platform.Show("Save changes to: " + S(previousPath) + "?",
                        MsgStyle{MsgButtons::YesNo, MsgIcon::Question, MsgDefault::Second}, m_state.environment.ProgramTitle);
    if (answer != MsgResult::Yes)
        return true;
    const std::string target = m_state.project.ProjectFilePath;
    m_state.project.ProjectFilePath = S(previousPath);
    const bool saved = FileMenuSave(false);
    // A save cancelled or failed keeps the project's own path.
    if (saved || !stopWhenNotSaved)
        m_state.project.ProjectFilePath = target;
    return saved || !stopWhenNotSaved;
}

bool MainWindow::LoadProjFile(const QString& previousPath)
{
    // Open goes on after the question whatever the save did.
    AskToSaveChanges(previousPath, false);
    // A failed open leaves the project "Untitled"; a retry reads the file
    // it was asked for again.
    const std::string target = m_state.project.ProjectFilePath;
    bool opened = false;
    Trapped([&] {
        BusyCursor busy;
        m_state.project.ProjectFilePath = target;
        opened = OpenProject(m_state);
    });
    if (opened) {
        RecentFileUpdate(m_state.environment, m_state.messenger, m_state.project.ProjectFilePath);
        RebuildRecentFileMenu();
    }
    UpdateCaption();
    if (opened && m_state.environment.Settings.ShowInputScreenOnLoad == 1)
        Run(Command::EditParameters);
    return opened;
}

void MainWindow::mnuFileArray_Click(int number)
{
    const QString previous = Q(m_state.project.ProjectFilePath);
    m_state.project.ProjectFilePath = m_state.environment.Settings.LastFiles[static_cast<std::size_t>(number)].LastFileLong;
    LoadProjFile(previous);
}

CommandResult MainWindow::NewFile()
{
    // New replaces the project as Open does, so it asks the same question;
    // a save that does not happen keeps the project.
    if (!AskToSaveChanges(Q(m_state.project.ProjectFilePath), true)) {
        UpdateCaption();
        return CommandResult::Cancelled;
    }
    NewProject(m_state, true, true);
    UpdateCaption();
    if (m_state.environment.Settings.ShowInputScreenOnLoad == 1)
        Run(Command::EditParameters);
    return CommandResult::Done;
}

CommandResult MainWindow::OpenFile()
{
    const QString previous = Q(m_state.project.ProjectFilePath);
    if (!AskForFile(true))
        return CommandResult::Cancelled;
    return LoadProjFile(previous) ? CommandResult::Done : CommandResult::Failed;
}

bool MainWindow::FileMenuSave(bool force)
{
    if ((force || ProjectNeedsName(m_state.project)) && !AskForFile(false))
        return false;
    // A project named without a folder (after a conversion) goes to the
    // data folder, not to wherever the program happens to run.
    if (FolderPart(m_state.project.ProjectFilePath).empty())
        m_state.project.ProjectFilePath = m_state.environment.Settings.DataPath + m_state.project.ProjectFilePath;
    return Trapped([&] {
        BusyCursor busy;
        FileSave(m_state.project, m_state.messenger);
    });
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
        !m_platform.PrintDialog(this, printer, false,
                                SuggestedPdfName(m_state.environment.Settings.DataPath, m_state.project.ProjectFilePath)))
        return DialogCancelled(m_state.messenger);
    const bool printed = Trapped([&] {
        BuildInputListing();
        BusyCursor busy;
        PrintReport(printer, Q(m_state.environment.ProgramName), {m_state.session.OutputBuffer[0], m_state.session.OutputBuffer[1]});
    });
    return printed ? CommandResult::Done : CommandResult::Failed;
}

CommandResult MainWindow::PrintPreview()
{
    if (m_state.project.ProjectEmpty == FlagTrue && !AskCurrentFileEmpty())
        return CommandResult::Cancelled;
    if (!Trapped([&] { BuildInputListing(); }))
        return CommandResult::Failed;
    ShowOwnedWindow(new PreviewWindow(Context()), this, true);
    return CommandResult::Done;
}

bool MainWindow::QueryUnload()
{
    if (m_state.project.ProjectSaved != FlagFalse)
        return true;
    const MsgResult answer =
        m_platform.Show("Save changes to: " + m_state.project.ProjectFilePath + "?",
                        MsgStyle{MsgButtons::YesNoCancel, MsgIcon::Question}, m_state.environment.ProgramTitle);
    if (answer == MsgResult::No)
        return true;
    if (answer != MsgResult::Yes)
        return false;
    if (!FileMenuSave(false))
        return false;
    RecentFileUpdate(m_state.environment, m_state.messenger, m_state.project.ProjectFilePath);
    return true;
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
