#pragma once
// The history log: numbered CR LF terminated lines, shown in the pane at the
// bottom of the main window.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace castovin {

class HistoryLog {
public:
    // Appends "<n>. <text>" CR LF. When the text has reached `maxSize`
    // characters and holds more than two lines, only its last two lines are
    // kept first. The counter runs 1..16384 and then starts again at 1.
    void Append(std::string_view line, int maxSize);

    // Empties the text; the counter keeps running.
    void Clear();

    const std::string& Text() const { return m_text; }
    int16_t LineCounter() const { return m_counter; }

    // Called after every change of the text (the pane shows it).
    void SetChangedHandler(std::function<void()> handler) { m_changed = std::move(handler); }

private:
    void CutBack();
    void Changed();

    std::string m_text;
    std::size_t m_chars = 0;
    int16_t m_counter = 0;
    std::function<void()> m_changed;
};

}  // namespace castovin
