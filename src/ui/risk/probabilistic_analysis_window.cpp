#include "ui/risk/probabilistic_analysis_window.h"

#include <algorithm>
#include <cmath>

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSplitter>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include "core/config/environment.h"
#include "core/files/lifecycle.h"
#include "core/model/project.h"
#include "core/model/report_session.h"
#include "core/risk/risk_report.h"
#include "core/text/messages.h"
#include "core/text/number_format.h"
#include "core/text/runtime_error.h"
#include "ui/app/closing_rules.h"
#include "ui/app/names.h"
#include "ui/app/window_helpers.h"
#include "ui/late/late_windows.h"
#include "ui/platform/platform_services.h"
#include "ui/viewer/results_viewer_dialog.h"

namespace castovin {

namespace {

constexpr int kHelpContext = 4700;
// The table's columns: the input, its project value, then the cells of
// StudyCell in their order.
constexpr int kValueColumn = 1;
constexpr int kFirstCellColumn = 2;
constexpr int kColumns = kFirstCellColumn + 6;

int ColumnOf(StudyCell cell)
{
    return kFirstCellColumn + static_cast<int>(cell);
}

const std::array<DistributionKind, 5> kKinds = {DistributionKind::Fixed, DistributionKind::Normal,
                                                DistributionKind::Lognormal, DistributionKind::Uniform,
                                                DistributionKind::Triangular};

QTableWidgetItem* ReadOnlyItem(const QString& text)
{
    auto* item = new QTableWidgetItem(text);
    item->setFlags(item->flags() & ~Qt::ItemIsEditable);
    return item;
}

}  // namespace

ProbabilisticAnalysisWindow::ProbabilisticAnalysisWindow(const Project& project, ReportSession& session,
                                                         Environment& environment, Messenger& messenger,
                                                         const WindowContext& context)
    : m_project(project),
      m_session(session),
      m_environment(environment),
      m_messenger(messenger),
      m_context(context),
      m_runner(new BackgroundRun(this)),
      m_fields(OfferedFields(project.Support))
{
    setObjectName(names::RiskWindow);
    setWindowTitle("Probabilistic Analysis");
    setProperty("helpContext", kHelpContext);

    m_report = MakeButton(this, names::RiskReport, "Report");
    m_report->setEnabled(false);
    QPushButton* save = MakeButton(this, names::RiskSaveStudy, "&Save Study...");
    QPushButton* open = MakeButton(this, names::RiskOpenStudy, "&Open Study...");
    m_export = MakeButton(this, names::RiskExportSamples, "&Export Samples...");
    m_export->setEnabled(false);
    m_copyChart = MakeButton(this, names::RiskCopyChart, "&Copy Chart");
    m_printChart = MakeButton(this, names::RiskPrintChart, "&Print Chart...");
    QPushButton* close = MakeButton(this, names::RiskClose, "Close");
    QPushButton* help = MakeHelpButton(this, names::RiskHelp, m_messenger);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_report);
    buttons->addWidget(save);
    buttons->addWidget(open);
    buttons->addWidget(m_export);
    buttons->addWidget(m_copyChart);
    buttons->addWidget(m_printChart);
    buttons->addStretch(1);
    buttons->addWidget(close);
    buttons->addWidget(help);
    // The study above, the results below, the split the user's to move.
    auto* study = new QWidget(this);
    auto* studyLayout = new QVBoxLayout(study);
    studyLayout->setContentsMargins(0, 0, 0, 0);
    studyLayout->addWidget(BuildInputs(), 1);
    studyLayout->addWidget(BuildSampling());
    auto* split = new QSplitter(Qt::Vertical, this);
    split->setChildrenCollapsible(false);
    split->addWidget(study);
    split->addWidget(BuildResults());
    split->setStretchFactor(0, 2);
    split->setStretchFactor(1, 3);
    auto* body = new QVBoxLayout;
    body->setContentsMargins(0, 0, 0, 0);
    body->addWidget(split);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(ScrollingBody(this, body), 1);
    layout->addLayout(buttons);
    connect(m_report, &QPushButton::clicked, this, &ProbabilisticAnalysisWindow::ShowReport);
    connect(save, &QPushButton::clicked, this, &ProbabilisticAnalysisWindow::SaveStudy);
    connect(open, &QPushButton::clicked, this, &ProbabilisticAnalysisWindow::OpenStudy);
    connect(m_export, &QPushButton::clicked, this, &ProbabilisticAnalysisWindow::ExportSamples);
    connect(m_copyChart, &QPushButton::clicked, this, &ProbabilisticAnalysisWindow::CopyChart);
    connect(m_printChart, &QPushButton::clicked, this, &ProbabilisticAnalysisWindow::PrintChart);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    connect(m_runner, &BackgroundRun::progressed, m_progress, &QProgressBar::setValue);

    AppendHistory(m_messenger, "Loading Probabilistic Analysis Form");
    RestoreStudy();
    // The main window waits while the window is open, as it does for the
    // design search. Closing stops an analysis under way, and the table as
    // it stands, when it reads, goes to the design search and the next
    // opening.
    ClosingRules::Install(this, [this, host = &m_context.host] {
        m_runner->Abandon();
        auto typed = ReadTable();
        if (const Study* study = std::get_if<Study>(&typed))
            KeepStudy(*study);
        host->HostWindow()->setEnabled(true);
    });
    resize(960, 680);
    CenterOnScreen(this);
}

// Esc closes the window; a cell being edited takes its Esc first.
void ProbabilisticAnalysisWindow::keyPressEvent(QKeyEvent* event)
{
    if (!CloseOnEsc(this, event))
        QWidget::keyPressEvent(event);
}

QWidget* ProbabilisticAnalysisWindow::BuildInputs()
{
    auto* frame = new QGroupBox("Inputs", this);
    m_inputs = new QTableWidget(0, kColumns, frame);
    m_inputs->setObjectName(names::RiskInputs);
    m_inputs->setHorizontalHeaderLabels({"Input", "Project", "Distribution", "Value, mean or min", "sd, mode or max",
                                         "max (triangular)", "Truncate at min", "Truncate at max"});
    m_inputs->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    m_inputs->verticalHeader()->hide();
    // Five rows or so at least; the rest scroll.
    m_inputs->setMinimumHeight(m_inputs->fontMetrics().height() * 10);
    FillRows(DefaultRows(m_project.Support));
    auto* layout = new QVBoxLayout(frame);
    layout->addWidget(m_inputs);
    layout->addWidget(new QLabel("A mean of \"-\" is the project's value. The truncation limits are optional; "
                                 "values always stay within the parameters editor's range.",
                                 frame));
    return frame;
}

void ProbabilisticAnalysisWindow::FillRows(const std::vector<StudyRow>& rows)
{
    // The rows are made once, with the project's inputs; a study opened
    // later only changes their cells.
    if (m_inputs->rowCount() == 0) {
        const std::vector<StudyRow> defaults = DefaultRows(m_project.Support);
        m_inputs->setRowCount(static_cast<int>(defaults.size()));
        for (int r = 0; r < static_cast<int>(defaults.size()); ++r) {
            const StudyRow& row = defaults[static_cast<std::size_t>(r)];
            m_inputs->setItem(r, 0, ReadOnlyItem(Q(StudyFieldLabel(row.field, m_project.units))));
            m_inputs->setItem(r, kValueColumn, ReadOnlyItem(Q(row.parameters[0])));
            auto* kinds = new QComboBox(m_inputs);
            kinds->setObjectName(names::Indexed(names::RiskDistribution, r));
            for (const DistributionKind kind : kKinds)
                kinds->addItem(DistributionName(kind));
            m_inputs->setCellWidget(r, ColumnOf(StudyCell::Distribution), kinds);
            for (int column = ColumnOf(StudyCell::First); column < kColumns; ++column)
                m_inputs->setItem(r, column, new QTableWidgetItem);
            connect(kinds, &QComboBox::currentIndexChanged, this, [this, r] { KindChosen(r); });
        }
    }
    for (int r = 0; r < static_cast<int>(rows.size()) && r < m_inputs->rowCount(); ++r) {
        const StudyRow& row = rows[static_cast<std::size_t>(r)];
        auto* kinds = qobject_cast<QComboBox*>(m_inputs->cellWidget(r, ColumnOf(StudyCell::Distribution)));
        {
            const QSignalBlocker quiet(kinds);
            kinds->setCurrentIndex(
                static_cast<int>(std::find(kKinds.begin(), kKinds.end(), row.kind) - kKinds.begin()));
        }
        for (std::size_t i = 0; i < 3; ++i)
            m_inputs->item(r, ColumnOf(StudyCell::First) + static_cast<int>(i))->setText(Q(row.parameters[i]));
        m_inputs->item(r, ColumnOf(StudyCell::Low))->setText(Q(row.low));
        m_inputs->item(r, ColumnOf(StudyCell::High))->setText(Q(row.high));
        KindChosen(r);
    }
    m_inputs->resizeColumnsToContents();
    m_inputs->resizeRowsToContents();
}

void ProbabilisticAnalysisWindow::KindChosen(int row)
{
    const auto* kinds = qobject_cast<QComboBox*>(m_inputs->cellWidget(row, ColumnOf(StudyCell::Distribution)));
    const std::vector<std::string> names = ParameterNames(kKinds[static_cast<std::size_t>(kinds->currentIndex())]);
    for (std::size_t i = 0; i < 3; ++i) {
        QTableWidgetItem* item = m_inputs->item(row, ColumnOf(StudyCell::First) + static_cast<int>(i));
        const bool used = i < names.size();
        item->setFlags(used ? item->flags() | Qt::ItemIsEditable | Qt::ItemIsEnabled
                            : item->flags() & ~(Qt::ItemIsEditable | Qt::ItemIsEnabled));
        item->setToolTip(used ? Q(names[i]) : QString());
        if (!used)
            item->setText({});
    }
    // A normal or lognormal input starts at the project's value.
    QTableWidgetItem* first = m_inputs->item(row, ColumnOf(StudyCell::First));
    if (!names.empty() && names[0] == "mean" && first->text().isEmpty())
        first->setText("-");
}

std::vector<StudyRow> ProbabilisticAnalysisWindow::Rows() const
{
    std::vector<StudyRow> rows;
    for (int r = 0; r < m_inputs->rowCount(); ++r) {
        StudyRow row;
        row.field = m_fields[static_cast<std::size_t>(r)];
        const auto* kinds = qobject_cast<QComboBox*>(m_inputs->cellWidget(r, ColumnOf(StudyCell::Distribution)));
        row.kind = kKinds[static_cast<std::size_t>(kinds->currentIndex())];
        for (std::size_t i = 0; i < 3; ++i)
            row.parameters[i] =
                S(m_inputs->item(r, ColumnOf(StudyCell::First) + static_cast<int>(i))->text().trimmed());
        row.low = S(m_inputs->item(r, ColumnOf(StudyCell::Low))->text().trimmed());
        row.high = S(m_inputs->item(r, ColumnOf(StudyCell::High))->text().trimmed());
        rows.push_back(row);
    }
    return rows;
}

QWidget* ProbabilisticAnalysisWindow::BuildSampling()
{
    auto* frame = new QGroupBox("Sampling", this);
    m_method = new QComboBox(frame);
    m_method->setObjectName(names::RiskMethod);
    m_method->addItems(
        {SamplingMethodName(SamplingMethod::LatinHypercube), SamplingMethodName(SamplingMethod::MonteCarlo)});
    m_samples = new QLineEdit("10000", frame);
    m_samples->setObjectName(names::RiskSamples);
    m_seed = new QLineEdit("1", frame);
    m_seed->setObjectName(names::RiskSeed);
    m_run = MakeButton(frame, names::RiskRun, "&Run");
    m_cancel = MakeButton(frame, names::RiskCancel, "Cancel");
    m_cancel->hide();
    m_progress = new QProgressBar(frame);
    m_progress->setObjectName(names::RiskProgress);
    m_progress->setRange(0, 100);
    m_progress->hide();
    auto* grid = new QGridLayout(frame);
    grid->addWidget(new QLabel("Method", frame), 0, 0);
    grid->addWidget(m_method, 0, 1);
    grid->addWidget(new QLabel("Samples", frame), 0, 2);
    grid->addWidget(m_samples, 0, 3);
    grid->addWidget(new QLabel("Seed", frame), 0, 4);
    grid->addWidget(m_seed, 0, 5);
    grid->addWidget(m_run, 0, 6);
    grid->addWidget(m_progress, 1, 0, 1, 6);
    grid->addWidget(m_cancel, 1, 6);
    connect(m_run, &QPushButton::clicked, this, &ProbabilisticAnalysisWindow::Run);
    connect(m_cancel, &QPushButton::clicked, this, &ProbabilisticAnalysisWindow::CancelRun);
    return frame;
}

QWidget* ProbabilisticAnalysisWindow::BuildResults()
{
    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(names::RiskResultTabs);
    // Room for a chart with its titles and legend.
    m_tabs->setMinimumHeight(m_tabs->fontMetrics().height() * 20);
    m_results = MakeReportPane(m_tabs);
    m_results->setObjectName(names::RiskResults);
    m_tabs->addTab(m_results, "Results");
    // The charts come from the graph window's module; without it the window
    // still analyses, reports and saves, and says why there are no charts.
    try {
        m_charts = m_context.platform.Late().MakeRiskCharts(this, m_project, m_environment, m_messenger, m_context);
        m_tabs->addTab(m_charts->View(RiskChartKind::Histogram), "&Histogram");
        m_tabs->addTab(m_charts->View(RiskChartKind::Cumulative), "C&umulative Curve");
        m_tabs->addTab(m_charts->View(RiskChartKind::Tornado), "&Tornado");
    } catch (const RuntimeError& error) {
        auto* missing = new QLabel(Q("The charts cannot be shown. " + error.description()), m_tabs);
        missing->setWordWrap(true);
        m_tabs->addTab(missing, "Charts");
    }
    connect(m_tabs, &QTabWidget::currentChanged, this, &ProbabilisticAnalysisWindow::UpdateChartButtons);
    UpdateChartButtons();
    return m_tabs;
}

std::optional<RiskChartKind> ProbabilisticAnalysisWindow::ShownChart() const
{
    const int tab = m_tabs->currentIndex();
    if (m_charts == nullptr || tab < 1 || tab > RiskChartCount)
        return std::nullopt;
    return static_cast<RiskChartKind>(tab - 1);
}

// The chart buttons act on the chart shown, once a run has results; the
// charts, like Report and Export Samples, are those of the last complete run.
void ProbabilisticAnalysisWindow::UpdateChartButtons()
{
    const bool chart = ShownChart().has_value() && m_lastStudy.has_value();
    m_copyChart->setEnabled(chart);
    m_printChart->setEnabled(chart);
}

void ProbabilisticAnalysisWindow::CopyChart()
{
    if (const auto kind = ShownChart(); kind && m_lastStudy)
        m_charts->Copy(*kind);
}

void ProbabilisticAnalysisWindow::PrintChart()
{
    if (const auto kind = ShownChart(); kind && m_lastStudy)
        m_charts->Print(*kind);
}

std::variant<Study, ProbabilisticAnalysisWindow::Refusal> ProbabilisticAnalysisWindow::ReadTable() const
{
    auto read = StudyFromRows(Rows(), m_project.Support, m_project.units);
    if (auto* problem = std::get_if<StudyRowProblem>(&read))
        return Refusal{problem->message, *problem, nullptr};
    Study study = std::get<Study>(read);
    // The sampling fields take what the study file's keys take.
    const std::optional<double> samples = ParseStrictNumber(S(m_samples->text().trimmed()));
    // The seed is any 64-bit whole number, as in the study file.
    bool seedRead = false;
    const QString seedText = m_seed->text().trimmed();
    const qulonglong seed = seedText.startsWith('+') ? 0 : seedText.toULongLong(&seedRead, 10);
    if (!samples || *samples != std::floor(*samples) || *samples < double(MinStudySamples) ||
        *samples > double(MaxStudySamples))
        return Refusal{"Samples: a whole number from 100 to 10000000", std::nullopt, m_samples};
    if (!seedRead)
        return Refusal{"Seed: a whole number from 0 to 18446744073709551615", std::nullopt, m_seed};
    study.samples = static_cast<std::size_t>(*samples);
    study.seed = static_cast<uint64_t>(seed);
    study.method = m_method->currentIndex() == 1 ? SamplingMethod::MonteCarlo : SamplingMethod::LatinHypercube;
    return study;
}

std::optional<Study> ProbabilisticAnalysisWindow::TableStudy()
{
    auto read = ReadTable();
    if (Study* study = std::get_if<Study>(&read))
        return std::move(*study);
    const Refusal& refusal = std::get<Refusal>(read);
    ShowMessage(m_messenger, refusal.message, MsgIcon::Exclamation);
    if (refusal.cell) {
        const int row = static_cast<int>(refusal.cell->row);
        const int column = ColumnOf(refusal.cell->cell);
        m_inputs->setCurrentCell(row, column);
        if (QWidget* kinds = m_inputs->cellWidget(row, column))
            kinds->setFocus();
        else
            m_inputs->setFocus();
    } else {
        refusal.field->setFocus();
        refusal.field->selectAll();
    }
    return std::nullopt;
}

void ProbabilisticAnalysisWindow::Run()
{
    const std::optional<Study> typed = TableStudy();
    if (!typed)
        return;
    KeepStudy(*typed);
    m_progress->setValue(0);
    m_progress->show();
    m_cancel->show();
    m_results->setPlainText("Running...");
    const std::array<SupportRecord, 2> support = m_project.Support;
    const UnitSystem units = m_project.units;
    const Study run = ResolvedStudy(*typed, m_project.Support);
    m_runner->Start<AnalysedRun>(
        [support, units, run](const BackgroundRun::Progress& progress, const std::atomic<bool>& cancel) {
            RiskControl control;
            control.progress = progress;
            control.cancel = &cancel;
            AnalysedRun analysed{RunStudy(support, units, run, control), {}};
            if (!analysed.run.cancelled)
                analysed.charts = MakeRiskChartData(analysed.run.samples, analysed.run.results, units);
            return analysed;
        },
        [this, run](AnalysedRun outcome) { ShowOutcome(std::move(outcome), run); });
}

void ProbabilisticAnalysisWindow::CancelRun()
{
    m_runner->Cancel();
}

void ProbabilisticAnalysisWindow::ShowOutcome(AnalysedRun analysed, Study study)
{
    m_progress->hide();
    m_cancel->hide();
    RiskRun& run = analysed.run;
    if (run.cancelled) {
        m_results->setPlainText("Cancelled.");
        AppendHistory(m_messenger, "Probabilistic analysis cancelled");
        return;
    }
    m_results->setPlainText(PaneText(RiskReportText(study, run.results, m_project.units)));
    m_lastStudy = std::move(study);
    m_lastResults = std::move(run.results);
    m_lastSamples = std::move(run.samples);
    m_report->setEnabled(true);
    m_export->setEnabled(true);
    if (m_charts != nullptr)
        m_charts->Show(analysed.charts);
    UpdateChartButtons();
    AppendHistory(m_messenger, "Probabilistic analysis of " + std::to_string(m_lastStudy->samples) + " samples");
}

void ProbabilisticAnalysisWindow::ShowReport()
{
    if (!m_lastStudy)
        return;
    const bool built = m_context.host.Trapped([&] {
        const bool withHeader = m_environment.Settings.PrintModuleHeader == 1;
        m_session.Show(BuildRiskReport(m_project, *m_lastStudy, m_lastResults, withHeader), ReportType::Risk);
    });
    if (built)
        m_context.host.ShowResultsViewer(this);
}

CommandResult OpenProbabilisticAnalysis(const Project& project, ReportSession& session, Environment& environment,
                                        Messenger& messenger, const WindowContext& context)
{
    if (RefusedAsEmpty(project, messenger))
        return CommandResult::NotAvailable;
    QWidget* host = context.host.HostWindow();
    host->setEnabled(false);
    ShowOwnedWindow(new ProbabilisticAnalysisWindow(project, session, environment, messenger, context), host, false);
    return CommandResult::Done;
}

}  // namespace castovin
