#pragma once
// Small text helpers for comparisons that show both sides on failure.

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

}  // namespace castovin::test
