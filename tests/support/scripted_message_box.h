#pragma once
// A message box for tests: every box is recorded, answered from a script of
// expected answers, and one that was not scripted fails the test.

#include <deque>
#include <ostream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/text/messages.h"

namespace castovin {

// Failure messages show a style as its three parts.
inline void PrintTo(const MsgStyle& style, std::ostream* os)
{
    *os << "{buttons " << static_cast<int>(style.buttons) << ", icon " << static_cast<int>(style.icon) << ", default "
        << static_cast<int>(style.defaultButton) << "}";
}

}  // namespace castovin

namespace castovin::test {

class ScriptedMessageBox : public MessageBoxService {
public:
    struct Shown {
        std::string text;
        MsgStyle style;
        std::string title;
    };

    // The next box is answered with `result`.
    void Answer(MsgResult result) { m_answers.push_back(result); }

    MsgResult Show(const std::string& text, MsgStyle style, const std::string& title) override
    {
        m_shown.push_back({text, style, title});
        if (m_answers.empty()) {
            ADD_FAILURE() << "unscripted message box: \"" << text << "\" (buttons " << static_cast<int>(style.buttons)
                          << ", title \"" << title << "\")";
            return MsgResult::Cancel;
        }
        const MsgResult result = m_answers.front();
        m_answers.pop_front();
        return result;
    }

    const std::vector<Shown>& All() const { return m_shown; }
    std::size_t Count() const { return m_shown.size(); }
    const Shown& Last() const { return m_shown.back(); }
    bool ScriptUsedUp() const { return m_answers.empty(); }

private:
    std::deque<MsgResult> m_answers;
    std::vector<Shown> m_shown;
};

}  // namespace castovin::test
