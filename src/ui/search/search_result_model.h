#pragma once
// The design search's ranked candidates as a table model.

#include <vector>

#include <QAbstractTableModel>

#include "core/program/design_search.h"
#include "core/risk/reliable_search.h"

namespace castovin {

// The ranked candidates as a table of the command line's columns (with
// P(pass) and its interval after them for a search at a reliability). The
// display role is the text the command line prints; the sort role
// (Qt::UserRole) is the number behind it, so that "10.00" sorts above "9.50".
class SearchResultModel : public QAbstractTableModel {
    Q_OBJECT

public:
    explicit SearchResultModel(QObject* parent = nullptr) : QAbstractTableModel(parent) {}

    void SetCandidates(UnitSystem unitSystem, std::vector<SearchCandidate> candidates);
    // The candidates of a search at a reliability, with two more columns:
    // P(pass) and its 95 % interval, as the command line prints them.
    void SetReliableCandidates(UnitSystem unitSystem, const std::vector<ReliableCandidate>& candidates);
    bool WithProbability() const { return !m_probability.empty(); }
    const SearchCandidate& Candidate(int row) const { return m_candidates.at(static_cast<std::size_t>(row)); }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    QVariant SortValue(int row, int column) const;

    UnitSystem m_unitSystem = UnitSystem::English;
    std::vector<SearchCandidate> m_candidates;
    std::vector<ReliableCandidate> m_probability;  // of each candidate, or none
};

}  // namespace castovin
