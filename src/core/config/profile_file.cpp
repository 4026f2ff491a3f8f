#include "config/profile_file.h"

#include <cctype>

#include "text/atomic_file.h"
#include "text/runtime_error.h"
#include "text/unicode.h"

namespace castovin {

namespace {

std::string_view Trim(std::string_view s)
{
    const std::size_t first = s.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return s.substr(first, s.find_last_not_of(" \t") - first + 1);
}

bool SameName(std::string_view a, std::string_view b)
{
    a = Trim(a);
    b = Trim(b);
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

// The section name of a header line "[name]", or nullopt for other lines.
std::optional<std::string_view> SectionName(std::string_view line)
{
    line = Trim(line);
    if (line.empty() || line.front() != '[')
        return std::nullopt;
    line.remove_prefix(1);
    return line.substr(0, line.find(']'));
}

// The key of an entry line, or nullopt when the line holds no "=".
std::optional<std::string_view> KeyName(std::string_view line)
{
    const std::size_t eq = line.find('=');
    if (eq == std::string_view::npos)
        return std::nullopt;
    return line.substr(0, eq);
}

std::string CutToCharacters(std::string_view text, std::size_t count)
{
    std::size_t chars = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) {
            if (chars == count)
                return std::string(text.substr(0, i));
            ++chars;
        }
    }
    return std::string(text);
}

}  // namespace

ProfileFile ProfileFile::Load(const std::string& path)
{
    try {
        return ProfileFile(DecodeFileText(ReadWholeFile(path, MaxFileBytes)));
    } catch (const RuntimeError&) {
        return ProfileFile();
    }
}

std::optional<ProfileFile> ProfileFile::LoadForUpdate(const std::string& path)
{
    try {
        return ProfileFile(DecodeFileText(ReadWholeFile(path, MaxFileBytes)));
    } catch (const RuntimeError& e) {
        if (e.number() == err::FileNotFound || e.number() == err::PathNotFound)
            return ProfileFile();
        return std::nullopt;
    }
}

ProfileFile::ProfileFile(std::string_view text)
{
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos)
            end = text.size();
        std::string_view line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        m_lines.emplace_back(line);
        start = end + 1;
    }
}

std::size_t ProfileFile::FindSection(std::string_view section) const
{
    for (std::size_t i = 0; i < m_lines.size(); ++i)
        if (const auto name = SectionName(m_lines[i]); name && SameName(*name, section))
            return i;
    return std::string::npos;
}

std::size_t ProfileFile::SectionEnd(std::size_t header) const
{
    std::size_t i = header + 1;
    while (i < m_lines.size() && !SectionName(m_lines[i]))
        ++i;
    return i;
}

std::optional<std::string> ProfileFile::Read(std::string_view section, std::string_view key) const
{
    const std::size_t header = FindSection(section);
    if (header == std::string::npos)
        return std::nullopt;
    const std::size_t end = SectionEnd(header);
    for (std::size_t i = header + 1; i < end; ++i) {
        const auto name = KeyName(m_lines[i]);
        if (!name || !SameName(*name, key))
            continue;
        std::string_view value = Trim(std::string_view(m_lines[i]).substr(name->size() + 1));
        if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
            value = value.substr(1, value.size() - 2);
        return CutToCharacters(value, MaxValueLength);
    }
    return std::nullopt;
}

void ProfileFile::Write(std::string_view section, std::string_view key, std::string_view value)
{
    std::string entry(key);
    entry += '=';
    entry += value;
    const std::size_t header = FindSection(section);
    if (header == std::string::npos) {
        m_lines.push_back("[" + std::string(section) + "]");
        m_lines.push_back(std::move(entry));
        return;
    }
    const std::size_t end = SectionEnd(header);
    std::size_t lastFilled = header;
    for (std::size_t i = header + 1; i < end; ++i) {
        if (const auto name = KeyName(m_lines[i]); name && SameName(*name, key)) {
            m_lines[i] = std::move(entry);
            return;
        }
        if (!Trim(m_lines[i]).empty())
            lastFilled = i;
    }
    m_lines.insert(m_lines.begin() + static_cast<std::ptrdiff_t>(lastFilled + 1), std::move(entry));
}

std::string ProfileFile::Text() const
{
    std::string out;
    for (const std::string& line : m_lines) {
        out += line;
        out += "\r\n";
    }
    return out;
}

bool ProfileFile::Save(const std::string& path) const
{
    try {
        WriteFileAtomically(path, Text());
        return true;
    } catch (const RuntimeError&) {
        return false;
    }
}

}  // namespace castovin
