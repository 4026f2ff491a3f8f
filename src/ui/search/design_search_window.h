#pragma once
// Utilities > "Design Search...": a price list the user edits, loads and
// saves, the ranges of bolts per row and row spacing, and the passing bolt
// patterns ranked by cost per unit of advance. "Results" shows the design
// report of the selected pattern without touching the project; "Apply" puts
// the pattern into the project as an editor's OK does.

#include <optional>
#include <string>
#include <vector>

#include <QWidget>

#include "core/program/design_search.h"
#include "ui/app/window_context.h"
#include "ui/search/search_result_model.h"
#include "ui/search/search_runner.h"

class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QKeyEvent;
class QSortFilterProxyModel;
class QSpinBox;
class QTableView;
class QTableWidget;

namespace castovin {

struct Project;
struct ReportSession;
struct Environment;
struct Messenger;

class DesignSearchWindow : public QWidget {
    Q_OBJECT

public:
    DesignSearchWindow(Project& project, ReportSession& session, Environment& environment, Messenger& messenger,
                       const WindowContext& context);

    // The price table as rows, or the problem of its first bad row (shown).
    std::optional<std::vector<PriceRow>> TablePrices();
    void FillPriceTable(const std::vector<PriceRow>& rows);
    QString PriceFolder() const;
    void KeepPriceTable();
    void RestorePriceTable();
    void LoadPrices();
    void SavePrices();
    // Starts the search off the GUI thread; the results replace the table
    // when it ends. A second Search cancels the first. With a minimum
    // probability it is the search at that reliability, on the study of the
    // probabilistic window (see StudyOfProject).
    void Search();
    void CancelSearch();
    bool Searching() const;
    // The design report of the selected candidate, the project unchanged.
    void ShowResults();
    // The selected candidate put into the project as an editor commit.
    void Apply();

    QSortFilterProxyModel* SortedResults() const { return m_sorted; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    static constexpr int PriceColumns = 5;  // length, diameter, grade, price, name
    QWidget* BuildPriceFrame();
    QWidget* BuildRangeFrame();
    QWidget* BuildResultFrame();
    std::optional<SearchRanges> ReadRanges();
    const SearchCandidate* SelectedCandidate();
    SearchProject CurrentProject() const;
    void ShowOutcome(SearchOutcome outcome);
    void ShowReliableOutcome(ReliableOutcome outcome, double minProbability, std::size_t samples);
    void FinishSearch(const QString& summary, bool cancelled, const std::string& nonePasses);
    void SearchReliably(std::vector<PriceRow> prices, const SearchRanges& ranges);
    // The project's study (StudyOfProject) resolved on the project and fit
    // for a search, or nothing (the reason shown).
    std::optional<Study> SearchStudy();
    void StartProgress(const QString& text);

    Project& m_project;
    ReportSession& m_session;
    Environment& m_environment;
    Messenger& m_messenger;
    WindowContext m_context;
    QTableWidget* m_prices = nullptr;
    QSpinBox* m_boltsMin = nullptr;
    QSpinBox* m_boltsMax = nullptr;
    QLineEdit* m_spacingMin = nullptr;
    QLineEdit* m_spacingMax = nullptr;
    QLineEdit* m_spacingStep = nullptr;
    QLineEdit* m_minProbability = nullptr;
    QLabel* m_study = nullptr;
    QTableView* m_results = nullptr;
    SearchResultModel* m_model = nullptr;
    QSortFilterProxyModel* m_sorted = nullptr;
    QLabel* m_summary = nullptr;
    QProgressBar* m_progress = nullptr;
    QPushButton* m_cancel = nullptr;
    SearchRunner* m_runner = nullptr;
};

// Opens the window over the disabled main window; an empty project has
// nothing to search.
CommandResult OpenDesignSearch(Project& project, ReportSession& session, Environment& environment, Messenger& messenger,
                               const WindowContext& context);

}  // namespace castovin
