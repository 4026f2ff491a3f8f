#pragma once
// Runs a design search on a thread of its own, so that the window stays
// responsive however long the price list, and hands the outcome back on the
// GUI thread. One search at a time: starting another cancels the one under
// way; destroying the runner cancels and waits for it.

#include <atomic>
#include <cstddef>
#include <functional>
#include <memory>
#include <vector>

#include <QObject>

#include "core/program/design_search.h"

class QThread;

namespace castovin {

class SearchRunner : public QObject {
    Q_OBJECT

public:
    using Finished = std::function<void(SearchOutcome outcome)>;

    explicit SearchRunner(QObject* parent = nullptr);
    ~SearchRunner() override;
    SearchRunner(const SearchRunner&) = delete;
    SearchRunner& operator=(const SearchRunner&) = delete;

    // Starts the search; `done` runs on the GUI thread with the outcome
    // (cancelled or whole), unless another Start or the runner's end came
    // first.
    void Start(SearchProject project, std::vector<PriceRow> prices, SearchRanges ranges, std::size_t keep,
               Finished done);
    // Asks the search under way to stop after the price row it is on; its
    // cancelled outcome is still handed back.
    void Cancel();
    // Stops the search under way and waits for it; nothing is handed back.
    void Abandon();
    bool Running() const { return m_thread != nullptr; }

signals:
    // The share of the price rows done, 0 to 100, when it changes.
    void progressed(int percent);

private:
    QThread* m_thread = nullptr;
    std::shared_ptr<std::atomic<bool>> m_cancel;
    unsigned m_generation = 0;  // which Start a queued report belongs to
};

}  // namespace castovin
