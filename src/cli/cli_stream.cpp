#include "cli/cli_stream.h"

#include <cerrno>
#include <unistd.h>

#include "core/text/runtime_error.h"

namespace castovin {

void CliStream::Fail()
{
    if (!m_failed)
        m_error = errno;
    m_failed = true;
}

CliStream& CliStream::operator<<(std::string_view text)
{
    if (m_file == nullptr) {
        m_text += text;
    } else if (!m_failed && !text.empty()) {
        // Once a write has failed nothing more is written, as a failed C++
        // stream writes nothing more: the first error is the one reported.
        errno = 0;
        if (std::fwrite(text.data(), 1, text.size(), m_file) != text.size())
            Fail();
    }
    return *this;
}

bool CliStream::Flush()
{
    if (m_file != nullptr && !m_failed) {
        errno = 0;
        if (std::fflush(m_file) != 0)
            Fail();
    }
    return !m_failed;
}

std::string CliInput::ReadAll(std::size_t limit) const
{
    if (m_given) {
        if (m_text.size() > limit)
            throw RuntimeError(err::OutOfMemory, "Standard input is larger than 16 MiB");
        return m_text;
    }
    std::string bytes;
    char buffer[65536];
    for (;;) {
        const ssize_t got = ::read(STDIN_FILENO, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            break;  // the end, or an error: what was read is the project
        bytes.append(buffer, static_cast<std::size_t>(got));
        if (bytes.size() > limit)
            throw RuntimeError(err::OutOfMemory, "Standard input is larger than 16 MiB");
    }
    return bytes;
}

}  // namespace castovin
