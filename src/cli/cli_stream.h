#pragma once
// Where castovin-cli reads and writes: standard output and error through the
// C streams (fwrite, every failure kept with its errno), standard input by
// read(2), or strings in their place for the tests and benchmarks. No C++
// stream is involved, so that a run pays neither for the stream objects nor
// for the locale they build at start-up.

#include <concepts>
#include <cstdio>
#include <string>
#include <string_view>

namespace castovin {

class CliStream {
public:
    // Into a string (Text).
    CliStream() = default;
    // Into a C stream, which the caller keeps open.
    explicit CliStream(std::FILE* file) : m_file(file) {}

    CliStream& operator<<(std::string_view text);
    CliStream& operator<<(char c) { return *this << std::string_view(&c, 1); }
    template <std::integral T>
    requires(!std::same_as<T, char> && !std::same_as<T, bool>) CliStream& operator<<(T value)
    {
        return *this << std::string_view(std::to_string(value));
    }

    // Hands what is buffered to the system; false when anything written so
    // far failed to arrive.
    bool Flush();
    bool Failed() const { return m_failed; }
    // The system's error of the first failed write (0 when it gave none).
    int Error() const { return m_error; }

    std::FILE* File() const { return m_file; }
    const std::string& Text() const { return m_text; }

private:
    void Fail();

    std::FILE* m_file = nullptr;
    std::string m_text;
    bool m_failed = false;
    int m_error = 0;
};

// Standard input, or a text given in its place.
class CliInput {
public:
    CliInput() = default;
    explicit CliInput(std::string text) : m_text(std::move(text)), m_given(true) {}

    bool IsStandardInput() const { return !m_given; }
    // Everything there is to read; error 7 ("Standard input is larger than
    // 16 MiB") past `limit` bytes.
    std::string ReadAll(std::size_t limit) const;

private:
    std::string m_text;
    bool m_given = false;
};

}  // namespace castovin
