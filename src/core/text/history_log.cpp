#include "core/text/history_log.h"

#include "core/text/number_format.h"
#include "core/text/unicode.h"

#include <algorithm>

namespace castovin {

namespace {
constexpr int16_t kLastLineNumber = 16384;
}

void HistoryLog::Append(std::string_view line, int maxSize)
{
    if (m_chars >= static_cast<std::size_t>(std::max(maxSize, 0)))
        CutBack();
    m_counter = m_counter >= kLastLineNumber ? 1 : static_cast<int16_t>(m_counter + 1);
    std::string entry = GeneralNumber(m_counter);
    entry += ". ";
    entry += line;
    entry += "\r\n";
    m_chars += CharCount(entry);
    m_text += entry;
    Changed();
}

void HistoryLog::CutBack()
{
    std::size_t count = 0;
    for (std::size_t pos = m_text.find("\r\n"); pos != std::string::npos; pos = m_text.find("\r\n", pos + 2))
        ++count;
    if (count <= 2)
        return;
    std::size_t cut = 0;
    for (std::size_t k = 0; k < count - 2; ++k)
        cut = m_text.find("\r\n", cut) + 2;
    m_text.erase(0, cut);
    m_chars = CharCount(m_text);
}

void HistoryLog::Clear()
{
    m_text.clear();
    m_chars = 0;
    Changed();
}

void HistoryLog::Changed()
{
    if (m_changed)
        m_changed();
}

}  // namespace castovin
