#pragma once
// A long computation on a thread of its own, so that its window stays
// responsive, with its outcome handed back on the GUI thread. One run at a
// time: starting another cancels the one under way; destroying the runner
// cancels and waits for it.

#include <atomic>
#include <cstddef>
#include <functional>
#include <memory>

#include <QObject>

class QThread;

namespace castovin {

class BackgroundRun : public QObject {
    Q_OBJECT

public:
    // What the work is given: a progress report (done of total) and the flag
    // it stops at.
    using Progress = std::function<void(std::size_t done, std::size_t total)>;

    explicit BackgroundRun(QObject* parent = nullptr);
    ~BackgroundRun() override;
    BackgroundRun(const BackgroundRun&) = delete;
    BackgroundRun& operator=(const BackgroundRun&) = delete;

    // Runs `work` off the GUI thread; `finished` gets its outcome on the GUI
    // thread, unless another Start or the runner's end came first.
    template <typename Outcome>
    void Start(std::function<Outcome(const Progress&, const std::atomic<bool>&)> work,
               std::function<void(Outcome)> finished)
    {
        auto outcome = std::make_shared<Outcome>();
        StartErased([work = std::move(work), outcome](const Progress& p,
                                                      const std::atomic<bool>& cancel) { *outcome = work(p, cancel); },
                    [outcome, finished = std::move(finished)] { finished(std::move(*outcome)); });
    }
    // Asks the run under way to stop; its (cancelled) outcome is still
    // handed back.
    void Cancel();
    // Stops the run under way and waits for it; nothing is handed back.
    void Abandon();
    bool Running() const { return m_thread != nullptr; }

signals:
    // The share done, 0 to 100, when it changes.
    void progressed(int percent);

private:
    void StartErased(std::function<void(const Progress&, const std::atomic<bool>&)> work,
                     std::function<void()> deliver);

    QThread* m_thread = nullptr;
    std::shared_ptr<std::atomic<bool>> m_cancel;
    unsigned m_generation = 0;  // which Start a queued report belongs to
};

}  // namespace castovin
