#include "ui/search/search_result_model.h"

#include <QString>

#include "core/text/number_format.h"
#include "ui/app/window_helpers.h"

namespace castovin {

namespace {

constexpr int kPassColumn = static_cast<int>(SearchColumnCount);
constexpr int kIntervalColumn = kPassColumn + 1;

}  // namespace

void SearchResultModel::SetCandidates(UnitSystem unitSystem, std::vector<SearchCandidate> candidates)
{
    beginResetModel();
    m_unitSystem = unitSystem;
    m_candidates = std::move(candidates);
    m_probability.clear();
    endResetModel();
}

void SearchResultModel::SetReliableCandidates(UnitSystem unitSystem, const std::vector<ReliableCandidate>& candidates)
{
    beginResetModel();
    m_unitSystem = unitSystem;
    m_candidates.clear();
    for (const ReliableCandidate& c : candidates)
        m_candidates.push_back(c.candidate);
    m_probability = candidates;
    endResetModel();
}

int SearchResultModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_candidates.size());
}

int SearchResultModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(SearchColumnCount) + (WithProbability() ? 2 : 0);
}

QVariant SearchResultModel::SortValue(int row, int column) const
{
    const SearchCandidate& c = Candidate(row);
    if (column >= kPassColumn) {
        const ReliableCandidate& p = m_probability.at(static_cast<std::size_t>(row));
        return column == kPassColumn ? p.pPass : p.pLow;
    }
    switch (column) {
    case 0:
        return row + 1;
    case 1:
        return c.length;
    case 2:
        return c.diameter;
    case 3:
        return c.grade;
    case 4:
        return c.boltsPerRow;
    case 5:
        return c.rowSpacing;
    case 6:
        return c.actualVELB;
    case 7:
        return c.suggestedVELB;
    case 8:
        return QString(BoltLengthWord(c));
    case 9:
        return c.costPerBolt;
    case 10:
        return c.costPerAdvance;
    case 11:
        return c.costPerShift;
    default:
        return c.costPerTon;
    }
}

QVariant SearchResultModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    if (role == Qt::DisplayRole && index.column() >= kPassColumn) {
        const ReliableCandidate& p = m_probability.at(static_cast<std::size_t>(index.row()));
        if (index.column() == kPassColumn)
            return Q(FormatNumber(p.pPass, "0.0000"));
        return Q(FormatNumber(p.pLow, "0.0000") + "-" + FormatNumber(p.pHigh, "0.0000"));
    }
    if (role == Qt::DisplayRole) {
        const auto rank = static_cast<std::size_t>(index.row()) + 1;
        return Q(SearchRowCells(Candidate(index.row()), rank)[static_cast<std::size_t>(index.column())]);
    }
    if (role == Qt::UserRole)
        return SortValue(index.row(), index.column());
    if (role == Qt::TextAlignmentRole && index.column() != 8)
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    return {};
}

QVariant SearchResultModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal || section < 0 || section >= columnCount())
        return QAbstractTableModel::headerData(section, orientation, role);
    if (section == kPassColumn)
        return QString("P(pass)");
    if (section == kIntervalColumn)
        return QString("95 % interval");
    return Q(SearchColumnHeadings(m_unitSystem)[static_cast<std::size_t>(section)]);
}

}  // namespace castovin
