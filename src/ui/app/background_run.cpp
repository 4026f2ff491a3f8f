#include "ui/app/background_run.h"

#include <QThread>

namespace castovin {

BackgroundRun::BackgroundRun(QObject* parent) : QObject(parent)
{
}

BackgroundRun::~BackgroundRun()
{
    Abandon();
}

void BackgroundRun::Abandon()
{
    if (m_thread == nullptr)
        return;
    m_cancel->store(true);
    // The work checks the flag often, so this waits for a moment at most.
    m_thread->wait();
    delete m_thread;
    m_thread = nullptr;
    ++m_generation;
}

void BackgroundRun::Cancel()
{
    if (m_cancel)
        m_cancel->store(true);
}

void BackgroundRun::StartErased(std::function<void(const Progress&, const std::atomic<bool>&)> work,
                                std::function<void()> deliver)
{
    Abandon();
    m_cancel = std::make_shared<std::atomic<bool>>(false);
    const unsigned generation = ++m_generation;
    auto cancel = m_cancel;
    m_thread = QThread::create([this, generation, cancel, work = std::move(work), deliver = std::move(deliver)] {
        int shown = -1;
        const Progress progress = [&](std::size_t done, std::size_t total) {
            const int percent = total == 0 ? 100 : static_cast<int>(done * 100 / total);
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
        work(progress, *cancel);
        QMetaObject::invokeMethod(
            this,
            [this, generation, deliver] {
                if (generation != m_generation)
                    return;  // a later Start or the runner's end overtook it
                m_thread->wait();
                delete m_thread;
                m_thread = nullptr;
                deliver();
            },
            Qt::QueuedConnection);
    });
    m_thread->start();
}

}  // namespace castovin
