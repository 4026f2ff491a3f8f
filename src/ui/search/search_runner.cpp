#include "ui/search/search_runner.h"

#include <QThread>

namespace castovin {

SearchRunner::SearchRunner(QObject* parent) : QObject(parent)
{
}

SearchRunner::~SearchRunner()
{
    Abandon();
}

void SearchRunner::Abandon()
{
    if (m_thread == nullptr)
        return;
    m_cancel->store(true);
    // The search checks the flag before each price row, so this waits for
    // one row at most.
    m_thread->wait();
    delete m_thread;
    m_thread = nullptr;
    ++m_generation;
}

void SearchRunner::Cancel()
{
    if (m_cancel)
        m_cancel->store(true);
}

void SearchRunner::Start(SearchProject project, std::vector<PriceRow> prices, SearchRanges ranges, std::size_t keep,
                         Finished done)
{
    Abandon();
    m_cancel = std::make_shared<std::atomic<bool>>(false);
    const unsigned generation = ++m_generation;
    auto cancel = m_cancel;
    m_thread = QThread::create([this, generation, cancel, keep, project = std::move(project),
                                prices = std::move(prices), ranges, done = std::move(done)]() mutable {
        int shown = -1;
        SearchControl control;
        control.cancel = cancel.get();
        control.progress = [&](std::size_t rows, std::size_t total) {
            const int percent = static_cast<int>(rows * 100 / total);
            if (percent == shown)
                return;
            shown = percent;
            // Queued to the runner's thread; dropped if the runner is gone.
            QMetaObject::invokeMethod(
                this,
                [this, generation, percent] {
                    if (generation == m_generation)
                        emit progressed(percent);
                },
                Qt::QueuedConnection);
        };
        SearchOutcome outcome = SearchDesigns(project, prices, ranges, keep, control);
        QMetaObject::invokeMethod(
            this,
            [this, generation, outcome = std::move(outcome), done = std::move(done)]() mutable {
                if (generation != m_generation)
                    return;  // a later Start or the runner's end overtook it
                m_thread->wait();
                delete m_thread;
                m_thread = nullptr;
                done(std::move(outcome));
            },
            Qt::QueuedConnection);
    });
    m_thread->start();
}

}  // namespace castovin
