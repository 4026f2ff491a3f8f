// The probabilistic window's files: the study file saved and opened, the
// project's last study reopened, and the samples exported.

#include <QComboBox>
#include <QFileInfo>
#include <QLineEdit>

#include "core/config/environment.h"
#include "core/files/study_memory.h"
#include "core/model/project.h"
#include "core/risk/risk_report.h"
#include "core/text/atomic_file.h"
#include "core/text/messages.h"
#include "studyfile/study_file.h"
#include "ui/app/window_helpers.h"
#include "ui/platform/platform_services.h"
#include "ui/risk/probabilistic_analysis_window.h"

namespace castovin {

namespace {

const QStringList kStudyFilters = {"Studies (*.study.json)", "All Files (*.*)"};

}  // namespace

void ProbabilisticAnalysisWindow::ExportSamples()
{
    if (!m_lastStudy)
        return;
    const std::optional<QString> path =
        ChooseFile(this, m_context.platform, m_messenger,
                   FileRequest(true, "Export Samples", ProjectFolder(), {"CSV text (*.csv)", "All Files (*.*)"},
                               BesideProject(".samples.csv"), "csv"));
    if (path && m_context.host.Trapped([&] { WriteFileAtomically(S(*path), SamplesCsv(m_lastSamples)); }))
        AppendHistory(m_messenger, "Samples exported: " + S(*path));
}

QString ProbabilisticAnalysisWindow::ProjectFolder() const
{
    return QFileInfo(Q(m_project.ProjectFilePath)).absolutePath();
}

QString ProbabilisticAnalysisWindow::BesideProject(const QString& suffix) const
{
    // <project name><suffix> in the project's folder.
    return ProjectFolder() + "/" + QFileInfo(Q(m_project.ProjectFilePath)).completeBaseName() + suffix;
}

void ProbabilisticAnalysisWindow::SaveStudy()
{
    const std::optional<Study> study = TableStudy();
    if (!study)
        return;
    const std::optional<QString> path = ChooseFile(
        this, m_context.platform, m_messenger,
        FileRequest(true, "Save Study", ProjectFolder(), kStudyFilters, BesideProject(".study.json"), "json"));
    if (!path || !m_context.host.Trapped([&] { WriteFileAtomically(S(*path), StudyJson(*study)); }))
        return;
    KeepStudy(*study);
    RememberStudyFile(*path);
    AppendHistory(m_messenger, "Study saved: " + S(*path));
}

void ProbabilisticAnalysisWindow::OpenStudy()
{
    const std::optional<QString> path = ChooseFile(this, m_context.platform, m_messenger,
                                                   FileRequest(false, "Open Study", ProjectFolder(), kStudyFilters));
    std::string text;
    if (!path || !m_context.host.Trapped([&] { text = ReadWholeFile(S(*path), MaxStudyFileBytes); }))
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
    const ProjectStudy last = StudyOfProject(m_environment, m_project.ProjectFilePath);
    if (last.text.empty() && last.unreadable.empty())
        return;
    // Read quietly: a study moved or changed since, or one the project has
    // changed under, is noted, not a box.
    const std::optional<std::string> problem =
        last.unreadable.empty() ? FillFromStudyText(last.text) : std::optional(last.unreadable);
    if (last.file.empty()) {
        if (problem)
            AppendHistory(m_messenger, "The study of the last analysis no longer fits the project: " + *problem);
        return;
    }
    AppendHistory(m_messenger, problem
                                   ? "The last study of this project cannot be opened: " + last.file + ": " + *problem
                                   : "Study opened: " + last.file);
}

void ProbabilisticAnalysisWindow::KeepStudy(const Study& study)
{
    // A table that varies nothing is no study: the project has none then.
    KeepProjectStudy(m_environment, m_project.ProjectFilePath, study.inputs.empty() ? std::string() : StudyJson(study));
}

void ProbabilisticAnalysisWindow::RememberStudyFile(const QString& path)
{
    RememberProjectStudyFile(m_environment, m_messenger, m_project.ProjectFilePath,
                             S(QFileInfo(path).absoluteFilePath()));
}

}  // namespace castovin
