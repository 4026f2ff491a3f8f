// The design search's price table: read as a price-list file is, loaded,
// saved, and kept for the next opening in the run.

#include <QFileInfo>
#include <QTableWidget>

#include "core/config/environment.h"
#include "core/text/messages.h"
#include "core/text/number_format.h"
#include "ui/app/window_helpers.h"
#include "ui/platform/platform_services.h"
#include "ui/search/design_search_window.h"

namespace castovin {

std::optional<std::vector<PriceRow>> DesignSearchWindow::TablePrices()
{
    // The table accepts exactly what a price-list file does.
    std::vector<std::array<std::string, std::size_t{PriceColumns}>> cells(
        static_cast<std::size_t>(m_prices->rowCount()));
    for (int r = 0; r < m_prices->rowCount(); ++r)
        for (int c = 0; c < PriceColumns; ++c)
            if (const QTableWidgetItem* item = m_prices->item(r, c))
                cells[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)] = S(item->text());
    const PriceListRead read = ParsePriceCells(cells);
    if (read.problem) {
        const int row = read.problem->line - 1;  // line 1 is the header
        ShowMessage(m_messenger, "Price list row " + std::to_string(row) + ": " + read.problem->message,
                    MsgIcon::Exclamation);
        return std::nullopt;
    }
    return read.rows;
}

void DesignSearchWindow::FillPriceTable(const std::vector<PriceRow>& rows)
{
    m_prices->setRowCount(0);
    for (const PriceRow& p : rows) {
        const int r = m_prices->rowCount();
        m_prices->insertRow(r);
        const QString cells[PriceColumns] = {Q(GeneralNumber(p.length)), Q(GeneralNumber(p.diameter)),
                                             Q(GeneralNumber(p.grade)), Q(GeneralNumber(p.price)), Q(p.name)};
        for (int c = 0; c < PriceColumns; ++c)
            m_prices->setItem(r, c, new QTableWidgetItem(cells[c]));
    }
}

QString DesignSearchWindow::PriceFolder() const
{
    return Q(m_environment.LastPriceFolder.empty() ? m_environment.Settings.DataPath : m_environment.LastPriceFolder);
}

// The table as it was when the window last closed in this run, typed or
// loaded, so that the next opening goes on from it.
void DesignSearchWindow::KeepPriceTable()
{
    std::vector<std::vector<std::string>>& kept = m_environment.LastPriceTable;
    kept.assign(static_cast<std::size_t>(m_prices->rowCount()), std::vector<std::string>(PriceColumns));
    for (int r = 0; r < m_prices->rowCount(); ++r)
        for (int c = 0; c < PriceColumns; ++c)
            if (const QTableWidgetItem* item = m_prices->item(r, c))
                kept[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)] = S(item->text());
}

void DesignSearchWindow::RestorePriceTable()
{
    const std::vector<std::vector<std::string>>& kept = m_environment.LastPriceTable;
    if (kept.empty())
        return;
    m_prices->setRowCount(0);
    for (const std::vector<std::string>& row : kept) {
        const int r = m_prices->rowCount();
        m_prices->insertRow(r);
        for (int c = 0; c < PriceColumns && c < static_cast<int>(row.size()); ++c)
            m_prices->setItem(r, c, new QTableWidgetItem(Q(row[static_cast<std::size_t>(c)])));
    }
}

namespace {

const QStringList kPriceFilters = {"Price Lists (*.csv)", "All Files (*.*)"};

}  // namespace

void DesignSearchWindow::LoadPrices()
{
    const std::optional<QString> path = ChooseFile(this, m_context.platform, m_messenger,
                                                   FileRequest(false, "Load Price List", PriceFolder(), kPriceFilters));
    if (!path)
        return;
    m_environment.LastPriceFolder = S(QFileInfo(*path).absolutePath() + '/');
    const PriceListRead read = ReadPriceListFile(S(*path));
    if (read.problem) {
        ShowMessage(m_messenger, S(*path) + ": " + ProblemText(*read.problem), MsgIcon::Exclamation);
        return;
    }
    FillPriceTable(read.rows);
    AppendHistory(m_messenger, "Price list loaded: " + S(*path));
}

void DesignSearchWindow::SavePrices()
{
    const std::optional<std::vector<PriceRow>> rows = TablePrices();
    if (!rows)
        return;
    const std::optional<QString> path =
        ChooseFile(this, m_context.platform, m_messenger,
                   FileRequest(true, "Save Price List", PriceFolder(), kPriceFilters, {}, "csv"));
    if (!path)
        return;
    m_environment.LastPriceFolder = S(QFileInfo(*path).absolutePath() + '/');
    if (const std::optional<std::string> problem = WritePriceListFile(S(*path), *rows)) {
        ShowMessage(m_messenger, *problem, MsgIcon::Exclamation);
        return;
    }
    AppendHistory(m_messenger, "Price list saved: " + S(*path));
}

}  // namespace castovin
