#pragma once
// Utilities > "Probabilistic Analysis...": how likely the project is to pass
// the design check when its inputs are uncertain. A table gives each input
// the parameters editor shows a distribution; the analysis runs off the GUI
// thread with a progress bar and Cancel, and "Report" shows the report that
// `castovin-cli risk` writes for the same study and seed. The project is
// never changed.

#include <optional>
#include <variant>

#include <QWidget>

#include "core/risk/risk_charts.h"
#include "core/risk/risk_results.h"
#include "core/risk/study_table.h"
#include "ui/app/background_run.h"
#include "ui/app/commands.h"
#include "ui/app/window_context.h"
#include "ui/risk/risk_charts.h"

class QComboBox;
class QKeyEvent;
class QLineEdit;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QTabWidget;
class QTableWidget;

namespace castovin {

struct Environment;
struct Messenger;
struct Project;
struct ReportSession;

class ProbabilisticAnalysisWindow : public QWidget {
    Q_OBJECT

public:
    ProbabilisticAnalysisWindow(const Project& project, ReportSession& session, Environment& environment,
                                Messenger& messenger, const WindowContext& context);

    // The study of the table and the sampling fields as typed (a mean of
    // "-" stays the project's); nothing when a cell is refused (the message
    // shown, the focus on the cell).
    std::optional<Study> TableStudy();
    // What TableStudy refuses: the message, and the cell or the sampling
    // field it is about.
    struct Refusal {
        std::string message;
        std::optional<StudyRowProblem> cell;
        QLineEdit* field = nullptr;
    };
    // The same without a word.
    std::variant<Study, Refusal> ReadTable() const;
    // Starts the analysis (a second Run cancels the first); Cancel stops it.
    void Run();
    void CancelRun();
    bool Running() const { return m_runner->Running(); }
    // The report of the last complete run in the results viewer.
    void ShowReport();
    // The study of the table as a study file, and a study file into the
    // table (a file that cannot be read or does not fit the project is
    // refused with its reason, and the table is left as it was).
    void SaveStudy();
    void OpenStudy();
    // The samples of the last complete run as CSV (castovin-cli risk
    // --samples-out writes the same file).
    void ExportSamples();
    // The chart shown in the results' tabs onto the clipboard or the printer.
    void CopyChart();
    void PrintChart();
    // The charts, or nothing when the charts' module cannot be loaded.
    RiskCharts* Charts() const { return m_charts; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QWidget* BuildInputs();
    QWidget* BuildSampling();
    QWidget* BuildResults();
    // The chart of the current tab, when it has one to copy or print.
    std::optional<RiskChartKind> ShownChart() const;
    void UpdateChartButtons();
    void FillRows(const std::vector<StudyRow>& rows);
    // A study file's text into the table and the sampling fields; the
    // reason when it cannot be read or does not fit the project, and then
    // nothing changes.
    std::optional<std::string> FillFromStudyText(const std::string& text);
    // The study kept for this project in the run, or else the file last
    // saved or opened for it, into the table.
    void RestoreStudy();
    // The study as the design search and the next opening take it.
    void KeepStudy(const Study& study);
    // The file saved or opened, for the project's next opening.
    void RememberStudyFile(const QString& path);
    // The project's folder, and a file named after the project in it.
    QString ProjectFolder() const;
    QString BesideProject(const QString& suffix) const;
    // The cells a row's distribution takes are editable, the others empty.
    void KindChosen(int row);
    std::vector<StudyRow> Rows() const;
    // A run with its charts' data, both made off the GUI thread.
    struct AnalysedRun {
        RiskRun run;
        RiskChartData charts;
    };
    void ShowOutcome(AnalysedRun analysed, Study study);

    const Project& m_project;
    ReportSession& m_session;
    Environment& m_environment;
    Messenger& m_messenger;
    WindowContext m_context;
    BackgroundRun* m_runner = nullptr;
    std::vector<StudyField> m_fields;
    std::optional<Study> m_lastStudy;  // of the last complete run, with its results
    RiskResults m_lastResults;
    RiskSamples m_lastSamples;

    QTableWidget* m_inputs = nullptr;
    QComboBox* m_method = nullptr;
    QLineEdit* m_samples = nullptr;
    QLineEdit* m_seed = nullptr;
    QPushButton* m_run = nullptr;
    QPushButton* m_cancel = nullptr;
    QProgressBar* m_progress = nullptr;
    QTabWidget* m_tabs = nullptr;
    QPlainTextEdit* m_results = nullptr;
    RiskCharts* m_charts = nullptr;
    QPushButton* m_copyChart = nullptr;
    QPushButton* m_printChart = nullptr;
    QPushButton* m_report = nullptr;
    QPushButton* m_export = nullptr;
};

// Opens the window over the disabled main window; an empty project has
// nothing to analyse.
CommandResult OpenProbabilisticAnalysis(const Project& project, ReportSession& session, Environment& environment,
                                        Messenger& messenger, const WindowContext& context);

}  // namespace castovin
