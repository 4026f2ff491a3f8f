#include "ui/search/search_result_model.h"

#include <QString>

#include "ui/app/window_helpers.h"

namespace castovin {

void SearchResultModel::SetCandidates(UnitSystem unitSystem, std::vector<SearchCandidate> candidates)
{
    beginResetModel();
    m_unitSystem = unitSystem;
    m_candidates = std::move(candidates);
    endResetModel();
}

int SearchResultModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_candidates.size());
}

int SearchResultModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(SearchColumnCount);
}

QVariant SearchResultModel::SortValue(int row, int column) const
{
    const SearchCandidate& c = Candidate(row);
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
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal || section < 0 ||
        section >= static_cast<int>(SearchColumnCount))
        return QAbstractTableModel::headerData(section, orientation, role);
    return Q(SearchColumnHeadings(m_unitSystem)[static_cast<std::size_t>(section)]);
}

}  // namespace castovin
