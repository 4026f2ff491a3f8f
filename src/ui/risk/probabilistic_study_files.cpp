// The probabilistic window's files: the study file saved and opened, the
// project's last study reopened, and the samples exported.

#include <QComboBox>
#include <QFileInfo>
#include <QLineEdit>

#include "core/config/environment.h"
#include "core/config/settings_file.h"
#include "core/model/project.h"
#include "core/risk/risk_report.h"
#include "core/text/atomic_file.h"
#include "core/text/messages.h"
#include "core/text/runtime_error.h"
#include "studyfile/study_file.h"
#include "ui/app/window_helpers.h"
#include "ui/platform/platform_services.h"
#include "ui/risk/probabilistic_analysis_window.h"

namespace castovin {

void ProbabilisticAnalysisWindow::ExportSamples()
{
    if (!m_lastStudy)
        return;
    FileDialogRequest request;
    request.mode = FileDialogRequest::Mode::SaveAs;
    request.title = "Export Samples";
    const QFileInfo project(Q(m_project.ProjectFilePath));
    request.folder = project.absolutePath();
    request.fileName = project.absolutePath() + "/" + project.completeBaseName() + ".samples.csv";
    request.filters = {"CSV text (*.csv)", "All Files (*.*)"};
    request.selectedFilter = request.filters[0];
    request.defaultSuffix = "csv";
    const std::optional<QString> path = m_context.platform.FileDialog(this, request);
    if (!path) {
        DialogCancelled(m_messenger);
        return;
    }
    if (m_context.host.Trapped([&] { WriteFileAtomically(S(*path), SamplesCsv(m_lastSamples)); }))
        AppendHistory(m_messenger, "Samples exported: " + S(*path));
}

QString ProbabilisticAnalysisWindow::StudyFileName() const
{
    // <project name>.study.json beside the project.
    const QFileInfo project(Q(m_project.ProjectFilePath));
    return project.absolutePath() + "/" + project.completeBaseName() + ".study.json";
}

void ProbabilisticAnalysisWindow::SaveStudy()
{
    const std::optional<Study> study = TableStudy();
    if (!study)
        return;
    FileDialogRequest request;
    request.mode = FileDialogRequest::Mode::SaveAs;
    request.title = "Save Study";
    request.folder = QFileInfo(StudyFileName()).absolutePath();
    request.fileName = StudyFileName();
    request.filters = {"Studies (*.study.json)", "All Files (*.*)"};
    request.selectedFilter = request.filters[0];
    request.defaultSuffix = "json";
    const std::optional<QString> path = m_context.platform.FileDialog(this, request);
    if (!path) {
        DialogCancelled(m_messenger);
        return;
    }
    if (!m_context.host.Trapped([&] { WriteFileAtomically(S(*path), StudyJson(*study)); }))
        return;
    KeepStudy(*study);
    RememberStudyFile(*path);
    AppendHistory(m_messenger, "Study saved: " + S(*path));
}

void ProbabilisticAnalysisWindow::OpenStudy()
{
    FileDialogRequest request;
    request.mode = FileDialogRequest::Mode::Open;
    request.title = "Open Study";
    request.folder = QFileInfo(StudyFileName()).absolutePath();
    request.filters = {"Studies (*.study.json)", "All Files (*.*)"};
    request.selectedFilter = request.filters[0];
    const std::optional<QString> path = m_context.platform.FileDialog(this, request);
    if (!path) {
        DialogCancelled(m_messenger);
        return;
    }
    std::string text;
    if (!m_context.host.Trapped([&] { text = ReadWholeFile(S(*path)); }))
        return;
    if (const std::optional<std::string> problem = FillFromStudyText(text)) {
        ShowMessage(m_messenger, S(*path) + ": " + *problem, MsgIcon::Exclamation);
        return;
    }
    RememberStudyFile(*path);
    AppendHistory(m_messenger, "Study opened: " + S(*path));
}

std::optional<std::string> ProbabilisticAnalysisWindow::FillFromStudyText(const std::string& text)
{
    Study study;
    std::vector<StudyRow> rows;
    try {
        study = ParseStudyJson(text);
        auto fitted = RowsOfStudy(study, m_project.Support, m_project.units);
        if (auto* problem = std::get_if<std::string>(&fitted))
            return *problem;
        rows = std::get<std::vector<StudyRow>>(fitted);
    } catch (const StudyReadError& error) {
        return error.detail;
    }
    FillRows(rows);
    m_method->setCurrentIndex(study.method == SamplingMethod::MonteCarlo ? 1 : 0);
    m_samples->setText(QString::number(study.samples));
    m_seed->setText(QString::number(study.seed));
    KeepStudy(study);
    return std::nullopt;
}

void ProbabilisticAnalysisWindow::RestoreStudy()
{
    if (!m_environment.StudyText.empty() && m_environment.StudyProjectFile == m_project.ProjectFilePath) {
        // Kept by this window in the run; it fitted then, and the project
        // may since have changed so that it no longer does.
        if (const std::optional<std::string> problem = FillFromStudyText(m_environment.StudyText))
            AppendHistory(m_messenger, "The study of the last analysis no longer fits the project: " + *problem);
        return;
    }
    const std::string file = RememberedStudyFile(m_environment.Settings, m_project.ProjectFilePath);
    if (file.empty() || m_project.ProjectFilePath.empty())
        return;
    // Read quietly: a study moved or changed since is noted, not a box.
    std::optional<std::string> problem;
    try {
        problem = FillFromStudyText(ReadWholeFile(file));
    } catch (const RuntimeError& error) {
        problem = error.description();
    }
    AppendHistory(m_messenger, problem ? "The last study of this project cannot be opened: " + file + ": " + *problem
                                       : "Study opened: " + file);
}

void ProbabilisticAnalysisWindow::KeepStudy(const Study& study)
{
    // A table that varies nothing is no study: the project has none then.
    m_environment.StudyProjectFile = m_project.ProjectFilePath;
    m_environment.StudyText = study.inputs.empty() ? std::string() : StudyJson(study);
}

void ProbabilisticAnalysisWindow::RememberStudyFile(const QString& path)
{
    if (m_project.ProjectFilePath.empty())
        return;
    RememberStudy(m_environment.Settings, m_project.ProjectFilePath, S(QFileInfo(path).absoluteFilePath()));
    SaveSettings(m_environment, m_messenger, SettingsGroup::Studies);
}

}  // namespace castovin
