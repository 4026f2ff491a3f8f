#pragma once
// A FIFO for tests of code that must never wait on one. Should that code
// open it and wait for a writer after all, the FIFO's guard opens the
// writing end after a few seconds and closes it again, which ends the wait:
// the test then fails on the time it took instead of hanging the suite.

#include <chrono>
#include <condition_variable>
#include <fcntl.h>
#include <mutex>
#include <stdexcept>
#include <string>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace castovin::test {

// Longer than any answer that did not wait should take.
inline constexpr std::chrono::seconds PromptAnswer{2};

class TestFifo {
public:
    explicit TestFifo(std::string path) : m_path(std::move(path))
    {
        if (::mkfifo(m_path.c_str(), 0600) != 0)
            throw std::runtime_error("mkfifo failed: " + m_path);
        m_guard = std::thread([this] { Guard(); });
    }
    ~TestFifo()
    {
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_done = true;
        }
        m_wake.notify_all();
        m_guard.join();
    }
    TestFifo(const TestFifo&) = delete;
    TestFifo& operator=(const TestFifo&) = delete;

    const std::string& Path() const { return m_path; }

private:
    void Guard()
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        while (!m_done) {
            if (m_wake.wait_for(lock, PromptAnswer * 2, [this] { return m_done; }))
                return;
            // Succeeds only while someone waits on the reading end.
            const int fd = ::open(m_path.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
            if (fd >= 0)
                ::close(fd);
        }
    }

    std::string m_path;
    std::mutex m_mutex;
    std::condition_variable m_wake;
    bool m_done = false;
    std::thread m_guard;
};

// How long a call took.
template <typename Call> std::chrono::steady_clock::duration TimeOf(Call call)
{
    const auto start = std::chrono::steady_clock::now();
    call();
    return std::chrono::steady_clock::now() - start;
}

}  // namespace castovin::test
