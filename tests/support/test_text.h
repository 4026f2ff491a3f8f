#pragma once
// Small text helpers for comparisons that show both sides on failure.

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace castovin::test {

// The start of `text` as long as `expected`.
inline std::string Head(const std::string& text, const std::string& expected)
{
    return text.substr(0, expected.size());
}

inline bool Contains(const std::string& text, const std::string& part)
{
    return text.find(part) != std::string::npos;
}

// The bytes of a file (empty when it cannot be read).
inline std::string ReadFile(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

}  // namespace castovin::test
