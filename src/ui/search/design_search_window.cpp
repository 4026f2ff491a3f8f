#include "ui/search/design_search_window.h"

#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QProgressBar>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QSpinBox>
#include <QTableView>
#include <QTableWidget>
#include <QVBoxLayout>

#include "core/config/environment.h"
#include "core/files/lifecycle.h"
#include "core/files/study_memory.h"
#include "core/model/project.h"
#include "core/model/report_session.h"
#include "core/program/output_commands.h"
#include "core/text/messages.h"
#include "core/text/number_format.h"
#include "studyfile/study_file.h"
#include "ui/app/closing_rules.h"
#include "ui/app/names.h"
#include "ui/app/window_helpers.h"
#include "ui/editors/editor_support.h"
#include "ui/platform/platform_services.h"

namespace castovin {

namespace {

constexpr int kHelpContext = 4600;
// Where the study comes from when the probabilistic window kept it in the run.
constexpr char kKeptStudy[] = "as last used in Probabilistic Analysis";

// " (ft)" as "ft".
QString UnitName(UnitKind kind, UnitSystem unitSystem)
{
    return Q(std::string(UnitLabel(kind, unitSystem))).trimmed().remove('(').remove(')');
}

// "6 ft, 0.75 in, grade 60 ksi, 4 bolts per row, 4 ft row spacing"
QString PatternText(const SearchCandidate& c, UnitSystem u)
{
    const QString length = UnitName(UnitKind::Length, u);
    return QString("%1 %2, %3 %4, grade %5 %6, %7 bolts per row, %8 %9 row spacing")
        .arg(Q(GeneralNumber(c.length)), length, Q(GeneralNumber(c.diameter)), UnitName(UnitKind::Diameter, u),
             Q(GeneralNumber(c.grade)), UnitName(UnitKind::Grade, u), QString::number(c.boltsPerRow),
             Q(GeneralNumber(c.rowSpacing)), length);
}

}  // namespace

DesignSearchWindow::DesignSearchWindow(Project& project, ReportSession& session, Environment& environment,
                                       Messenger& messenger, const WindowContext& context)
    : m_project(project), m_session(session), m_environment(environment), m_messenger(messenger), m_context(context)
{
    setObjectName(names::SearchWindow);
    setWindowTitle("Design Search");
    setProperty("helpContext", kHelpContext);

    QPushButton* results = MakeButton(this, names::SearchResults, "Results");
    QPushButton* apply = MakeButton(this, names::SearchApply, "Apply");
    QPushButton* close = MakeButton(this, names::SearchClose, "Close");
    QPushButton* help = MakeHelpButton(this, names::SearchHelp, m_messenger);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(results);
    buttons->addWidget(apply);
    buttons->addStretch(1);
    buttons->addWidget(close);
    buttons->addWidget(help);
    auto* layout = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    top->addWidget(BuildPriceFrame(), 1);
    top->addWidget(BuildRangeFrame());
    auto* body = new QVBoxLayout;
    body->setContentsMargins(0, 0, 0, 0);
    body->addLayout(top);
    body->addWidget(BuildResultFrame(), 1);
    layout->addWidget(ScrollingBody(this, body), 1);
    layout->addLayout(buttons);
    connect(results, &QPushButton::clicked, this, &DesignSearchWindow::ShowResults);
    connect(apply, &QPushButton::clicked, this, &DesignSearchWindow::Apply);
    connect(close, &QPushButton::clicked, this, &QWidget::close);

    AppendHistory(m_messenger, "Loading Design Search Form");
    // The main window waits while the search is open, as it does for an editor.
    // Closing stops a search under way; its outcome is never shown.
    RestorePriceTable();
    ClosingRules::Install(this, [this, host = &m_context.host] {
        m_runner->Abandon();
        KeepPriceTable();
        host->HostWindow()->setEnabled(true);
    });
    // Shrunk to a smaller screen (or 200 % scaling) by CenterOnScreen.
    resize(960, 640);
    CenterOnScreen(this);
}

// Esc closes the window as it closes every dialog of the program; a cell
// being edited takes its Esc first, to cancel the edit.
void DesignSearchWindow::keyPressEvent(QKeyEvent* event)
{
    if (!CloseOnEsc(this, event))
        QWidget::keyPressEvent(event);
}

QWidget* DesignSearchWindow::BuildPriceFrame()
{
    auto* frame = new QGroupBox("Price list ($ per bolt)", this);
    m_prices = new QTableWidget(0, PriceColumns, frame);
    m_prices->setObjectName(names::SearchPriceTable);
    const SearchRowTexts head = SearchColumnHeadings(m_project.units);
    m_prices->setHorizontalHeaderLabels({Q(head[1]), Q(head[2]), Q(head[3]), "$/bolt", "Name"});
    m_prices->horizontalHeader()->setStretchLastSection(true);
    QPushButton* add = MakeButton(frame, names::SearchAddRow, "Add Row");
    QPushButton* remove = MakeButton(frame, names::SearchDeleteRow, "Delete Row");
    QPushButton* load = MakeButton(frame, names::SearchLoadPrices, "Load...");
    QPushButton* save = MakeButton(frame, names::SearchSavePrices, "Save...");
    auto* row = new QHBoxLayout;
    for (QPushButton* b : {add, remove, load, save})
        row->addWidget(b);
    row->addStretch(1);
    auto* column = new QVBoxLayout(frame);
    column->addWidget(m_prices);
    column->addLayout(row);
    connect(add, &QPushButton::clicked, this, [this] { m_prices->insertRow(m_prices->rowCount()); });
    connect(remove, &QPushButton::clicked, this, [this] {
        if (m_prices->currentRow() >= 0)
            m_prices->removeRow(m_prices->currentRow());
    });
    connect(load, &QPushButton::clicked, this, &DesignSearchWindow::LoadPrices);
    connect(save, &QPushButton::clicked, this, &DesignSearchWindow::SavePrices);
    return frame;
}

QWidget* DesignSearchWindow::BuildRangeFrame()
{
    const SearchRanges ranges = DefaultSearchRanges(m_project.units);
    auto* frame = new QGroupBox("Ranges", this);
    auto* grid = new QGridLayout(frame);
    auto spin = [frame](const char* name, int value) {
        auto* box = new QSpinBox(frame);
        box->setObjectName(name);
        box->setRange(1, 99);
        box->setValue(value);
        return box;
    };
    auto edit = [frame](const char* name, double value) {
        auto* box = new QLineEdit(Q(GeneralNumber(value)), frame);
        box->setObjectName(name);
        return box;
    };
    m_boltsMin = spin(names::SearchBoltsMin, ranges.boltsMin);
    m_boltsMax = spin(names::SearchBoltsMax, ranges.boltsMax);
    m_spacingMin = edit(names::SearchSpacingMin, ranges.spacingMin);
    m_spacingMax = edit(names::SearchSpacingMax, ranges.spacingMax);
    m_spacingStep = edit(names::SearchSpacingStep, ranges.spacingStep);
    const QString length = Q(SearchColumnHeadings(m_project.units)[5]).remove("Spacing");
    grid->addWidget(new QLabel("Bolts per row from", frame), 0, 0);
    grid->addWidget(m_boltsMin, 0, 1);
    grid->addWidget(new QLabel("to", frame), 1, 0);
    grid->addWidget(m_boltsMax, 1, 1);
    grid->addWidget(new QLabel("Row spacing" + length + " from", frame), 2, 0);
    grid->addWidget(m_spacingMin, 2, 1);
    grid->addWidget(new QLabel("to", frame), 3, 0);
    grid->addWidget(m_spacingMax, 3, 1);
    grid->addWidget(new QLabel("step", frame), 4, 0);
    grid->addWidget(m_spacingStep, 4, 1);
    m_minProbability = new QLineEdit(frame);
    m_minProbability->setObjectName(names::SearchMinProbability);
    m_minProbability->setPlaceholderText("none");
    m_minProbability->setToolTip("Empty: every pattern that passes the design check. A number from 0 to 1: the "
                                 "patterns that pass with at least that probability under the study.");
    grid->addWidget(new QLabel("Minimum probability", frame), 5, 0);
    grid->addWidget(m_minProbability, 5, 1);
    m_study = new QLabel(frame);
    m_study->setObjectName(names::SearchStudy);
    m_study->setWordWrap(true);
    // A file by its name, the whole path in the tool tip.
    const ProjectStudy source = StudyOfProject(m_environment, m_project.ProjectFilePath);
    QString shown = source.file.empty() ? Q(kKeptStudy) : QFileInfo(Q(source.file)).fileName();
    if (!source.unreadable.empty())
        shown += " (cannot be read)";
    else if (source.text.empty())
        shown = "none (Utilities > Probabilistic Analysis)";
    m_study->setText("Study: " + shown);
    m_study->setToolTip(Q(source.file));
    grid->addWidget(m_study, 6, 0, 1, 2);
    QPushButton* search = MakeButton(frame, names::SearchRun, "Search");
    grid->addWidget(search, 7, 0, 1, 2);
    grid->setRowStretch(8, 1);
    connect(search, &QPushButton::clicked, this, &DesignSearchWindow::Search);
    return frame;
}

QWidget* DesignSearchWindow::BuildResultFrame()
{
    auto* frame = new QGroupBox("Passing bolt patterns, least cost first", this);
    m_model = new SearchResultModel(this);
    m_model->SetCandidates(m_project.units, {});
    m_sorted = new QSortFilterProxyModel(this);
    m_sorted->setSourceModel(m_model);
    m_sorted->setSortRole(Qt::UserRole);
    m_results = new QTableView(frame);
    m_results->setObjectName(names::SearchResultTable);
    m_results->setModel(m_sorted);
    m_results->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_results->setSelectionMode(QAbstractItemView::SingleSelection);
    m_results->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_results->setSortingEnabled(true);
    m_results->sortByColumn(0, Qt::AscendingOrder);
    m_results->verticalHeader()->hide();
    // Each column as wide as its heading or its widest figure, so that no
    // heading ("Suggested VELB") is cut; the table scrolls sideways instead.
    m_results->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_summary = new QLabel(frame);
    m_summary->setObjectName(names::SearchSummary);
    m_summary->setWordWrap(true);
    m_progress = new QProgressBar(frame);
    m_progress->setObjectName(names::SearchProgress);
    m_progress->setRange(0, 100);
    m_progress->hide();
    m_cancel = MakeButton(frame, names::SearchCancel, "Cancel");
    m_cancel->hide();
    m_runner = new SearchRunner(this);
    connect(m_runner, &SearchRunner::progressed, m_progress, &QProgressBar::setValue);
    connect(m_cancel, &QPushButton::clicked, this, &DesignSearchWindow::CancelSearch);
    auto* status = new QHBoxLayout;
    status->addWidget(m_summary, 1);
    status->addWidget(m_progress);
    status->addWidget(m_cancel);
    auto* column = new QVBoxLayout(frame);
    column->addWidget(m_results);
    column->addLayout(status);
    return frame;
}

std::optional<SearchRanges> DesignSearchWindow::ReadRanges()
{
    SearchRanges ranges;
    ranges.boltsMin = m_boltsMin->value();
    ranges.boltsMax = m_boltsMax->value();
    bool ok[3] = {false, false, false};
    // Plain decimals with ".", as in the price list and on the command line.
    ranges.spacingMin = QLocale::c().toDouble(m_spacingMin->text().trimmed(), &ok[0]);
    ranges.spacingMax = QLocale::c().toDouble(m_spacingMax->text().trimmed(), &ok[1]);
    ranges.spacingStep = QLocale::c().toDouble(m_spacingStep->text().trimmed(), &ok[2]);
    const std::optional<RangesFault> fault =
        ok[0] && ok[1] && ok[2] ? RangesFaultOf(ranges) : std::optional(RangesFault::SpacingNotANumber);
    if (fault) {
        ShowMessage(m_messenger, RangesFaultText(*fault), MsgIcon::Exclamation);
        return std::nullopt;
    }
    return ranges;
}

SearchProject DesignSearchWindow::CurrentProject() const
{
    return SearchProject{m_project.units, m_project.Support, m_project.Cost};
}

void DesignSearchWindow::Search()
{
    const std::optional<std::vector<PriceRow>> prices = TablePrices();
    if (!prices)
        return;
    const std::optional<SearchRanges> ranges = ReadRanges();
    if (!ranges)
        return;
    if (const std::optional<std::string> tooMany = SearchSizeProblem(prices->size(), *ranges)) {
        ShowMessage(m_messenger, *tooMany, MsgIcon::Exclamation);
        return;
    }
    if (!m_minProbability->text().trimmed().isEmpty()) {
        SearchReliably(std::move(*prices), *ranges);
        return;
    }
    StartProgress("Searching...");
    const auto keep = static_cast<std::size_t>(m_environment.Settings.SearchKeepBest);
    m_runner->Start(CurrentProject(), *prices, *ranges, keep,
                    [this](SearchOutcome outcome) { ShowOutcome(std::move(outcome)); });
}

void DesignSearchWindow::StartProgress(const QString& text)
{
    m_progress->setValue(0);
    m_progress->show();
    m_cancel->show();
    m_summary->setText(text);
}

std::optional<Study> DesignSearchWindow::SearchStudy()
{
    const ProjectStudy source = StudyOfProject(m_environment, m_project.ProjectFilePath);
    const std::string origin = source.file.empty() ? std::string(kKeptStudy) : source.file;
    std::optional<std::string> problem;
    Study study;
    if (!source.unreadable.empty()) {
        problem = "Study (" + origin + "): " + source.unreadable;
    } else if (source.text.empty()) {
        problem = "Minimum probability: this project has no study. Make one in Utilities > Probabilistic Analysis, "
                  "or leave the field empty.";
    } else {
        try {
            study = ResolvedStudy(ParseStudyJson(source.text), m_project.Support);
            problem = StudyProblem(study, m_project.units);
            if (!problem)
                problem = StudySearchProblem(study);
            // Without an uncertain input every P(pass) is 0 or 1: the plain
            // search, dressed up.
            if (!problem && study.inputs.empty())
                problem = "inputs: no input has a distribution";
        } catch (const StudyReadError& error) {
            problem = error.detail;
        }
        if (problem)
            problem = "Study (" + origin + "): " + *problem;
    }
    if (problem) {
        ShowMessage(m_messenger, *problem, MsgIcon::Exclamation);
        return std::nullopt;
    }
    return study;
}

void DesignSearchWindow::SearchReliably(std::vector<PriceRow> prices, const SearchRanges& ranges)
{
    // Read as the command line's --min-probability.
    const std::optional<double> p = ParseStrictNumber(S(m_minProbability->text().trimmed()));
    if (!p || !(*p >= 0 && *p <= 1)) {
        ShowMessage(m_messenger, "Minimum probability: a number from 0 to 1, or empty", MsgIcon::Exclamation);
        m_minProbability->setFocus();
        m_minProbability->selectAll();
        return;
    }
    std::optional<Study> study = SearchStudy();
    if (!study)
        return;
    const std::size_t samples = study->samples;
    StartProgress("Searching at a probability of at least " + Q(GeneralNumber(*p)) + "...");
    const auto keep = static_cast<std::size_t>(m_environment.Settings.SearchKeepBest);
    m_runner->StartReliable(
        CurrentProject(), std::move(prices), ranges, std::move(*study), *p, keep,
        [this, p = *p, samples](ReliableOutcome outcome) { ShowReliableOutcome(std::move(outcome), p, samples); });
}

void DesignSearchWindow::ShowReliableOutcome(ReliableOutcome outcome, double minProbability, std::size_t samples)
{
    m_model->SetReliableCandidates(m_project.units, outcome.ranked);
    FinishSearch(QString("%1 candidates tried, %2 skipped (outside the parameters editor's ranges), %3 pass with a "
                         "probability of at least %4; %5 judged on %6 samples each")
                     .arg(outcome.tried)
                     .arg(outcome.skipped)
                     .arg(outcome.ranked.size())
                     .arg(Q(GeneralNumber(minProbability)))
                     .arg(outcome.judged)
                     .arg(samples),
                 outcome.cancelled,
                 "No bolt pattern passes with a probability of at least " + GeneralNumber(minProbability));
}

void DesignSearchWindow::CancelSearch()
{
    m_runner->Cancel();
}

bool DesignSearchWindow::Searching() const
{
    return m_runner->Running();
}

void DesignSearchWindow::ShowOutcome(SearchOutcome outcome)
{
    const std::size_t kept = outcome.ranked.size();
    m_model->SetCandidates(m_project.units, std::move(outcome.ranked));
    QString summary = QString("%1 candidates tried, %2 skipped (outside the parameters editor's ranges), %3 passed")
                          .arg(outcome.tried)
                          .arg(outcome.skipped)
                          .arg(outcome.passed);
    if (kept < outcome.passed)
        summary += QString("; the best %1 are listed").arg(kept);
    FinishSearch(summary, outcome.cancelled, "No bolt pattern passes the design check");
}

// What every search ends with, its candidates in the table: the summary (a
// cancelled search says so and stops there), then the best pattern selected
// or the message that none passes.
void DesignSearchWindow::FinishSearch(const QString& summary, bool cancelled, const std::string& nonePasses)
{
    m_progress->hide();
    m_cancel->hide();
    m_results->sortByColumn(0, Qt::AscendingOrder);
    if (cancelled) {
        m_summary->setText("Search cancelled: " + summary);
        AppendHistory(m_messenger, "Design search cancelled");
        return;
    }
    m_summary->setText(summary);
    if (m_model->rowCount() == 0)
        ShowMessage(m_messenger, nonePasses, MsgIcon::Information);
    else
        m_results->selectRow(0);
}

const SearchCandidate* DesignSearchWindow::SelectedCandidate()
{
    const QModelIndexList rows = m_results->selectionModel()->selectedRows();
    if (rows.isEmpty()) {
        ShowMessage(m_messenger, "Select a bolt pattern in the results first", MsgButtons::OK);
        return nullptr;
    }
    return &m_model->Candidate(m_sorted->mapToSource(rows.first()).row());
}

void DesignSearchWindow::ShowResults()
{
    const SearchCandidate* candidate = SelectedCandidate();
    if (candidate == nullptr)
        return;
    // The report shows the candidate; the project keeps its values.
    ShowEditorResults(m_project, m_session, m_environment, m_context.host, this, ReportType::Design,
                      [&](std::array<SupportRecord, 2>& support, CostRecord& cost) {
                          const SearchProject trial = WithCandidate(CurrentProject(), *candidate);
                          support = trial.support;
                          cost = trial.cost;
                      });
}

void DesignSearchWindow::Apply()
{
    const SearchCandidate* candidate = SelectedCandidate();
    if (candidate == nullptr)
        return;
    const SearchProject applied = WithCandidate(CurrentProject(), *candidate);
    m_project.Support = applied.support;
    m_project.Cost = applied.cost;
    MarkProjectEdited(m_project);
    AppendHistory(m_messenger, "Design search applied: " + S(PatternText(*candidate, m_project.units)));
    m_context.host.UpdateCaption();
}

CommandResult OpenDesignSearch(Project& project, ReportSession& session, Environment& environment, Messenger& messenger,
                               const WindowContext& context)
{
    if (RefusedAsEmpty(project, messenger))
        return CommandResult::NotAvailable;
    QWidget* host = context.host.HostWindow();
    host->setEnabled(false);
    ShowOwnedWindow(new DesignSearchWindow(project, session, environment, messenger, context), host, false);
    return CommandResult::Done;
}

}  // namespace castovin
