#include "core/config/profile_file.h"

#include <algorithm>
#include <cctype>
#include <cstdint>

#include "core/text/atomic_file.h"
#include "core/text/runtime_error.h"
#include "core/text/unicode.h"

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

// FNV-1a of a key name as it matches: trimmed and in lower case, so that
// names that match have the same hash.
std::uint64_t NameHash(std::string_view name)
{
    std::uint64_t hash = 14695981039346656037ULL;
    for (const char c : Trim(name)) {
        hash ^= static_cast<unsigned char>(std::tolower(static_cast<unsigned char>(c)));
        hash *= 1099511628211ULL;
    }
    return hash;
}

// A section name as the index holds it: without the blanks around
// it and in lower case, so that names match as the format wants.
std::string IndexName(std::string_view name)
{
    std::string out(Trim(name));
    for (char& c : out)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
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
    m_sections.emplace_back();
    std::size_t start = 0;
    while (start < text.size()) {
        // CR LF, LF and a lone CR each end a line: files written on any
        // system, or by an editor that kept only CRs, read alike.
        std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos)
            end = text.size();
        AddLine(text.substr(start, end - start));
        start = end + 1;
        if (end < text.size() && text[end] == '\r' && start < text.size() && text[start] == '\n')
            ++start;
    }
}

void ProfileFile::AddLine(std::string_view line)
{
    if (const auto name = SectionName(line)) {
        m_sectionIndex.emplace(IndexName(*name), m_sections.size());
        m_sections.push_back(Section{std::string(line), {}, 0, std::nullopt});
        return;
    }
    Section& section = m_sections.back();
    section.lines.emplace_back(line);
    if (!Trim(line).empty())
        section.filledEnd = section.lines.size();
}

std::optional<std::size_t> ProfileFile::FindKey(const Section& section, std::string_view key)
{
    if (!section.keys) {
        // Lines before the first header belong to no section and are not keys.
        std::vector<KeyEntry> keys;
        if (section.header)
            for (std::size_t i = 0; i < section.lines.size(); ++i)
                if (const auto name = KeyName(section.lines[i]))
                    keys.push_back({NameHash(*name), i});
        std::sort(keys.begin(), keys.end());
        section.keys = std::move(keys);
    }
    const std::uint64_t hash = NameHash(key);
    // Entries of one hash are in line order, so the first that matches is
    // the first entry of the key.
    for (auto it = std::lower_bound(section.keys->begin(), section.keys->end(), KeyEntry{hash, 0});
         it != section.keys->end() && it->first == hash; ++it)
        if (SameName(*KeyName(section.lines[it->second]), key))
            return it->second;
    return std::nullopt;
}

std::optional<std::string> ProfileFile::Read(std::string_view section, std::string_view key) const
{
    const auto found = m_sectionIndex.find(IndexName(section));
    if (found == m_sectionIndex.end())
        return std::nullopt;
    const Section& target = m_sections[found->second];
    const std::optional<std::size_t> entry = FindKey(target, key);
    if (!entry)
        return std::nullopt;
    const std::string_view line = target.lines[*entry];
    std::string_view value = Trim(line.substr(line.find('=') + 1));
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        value = value.substr(1, value.size() - 2);
    return CutToCharacters(value, MaxValueLength);
}

bool ProfileFile::CanHold(std::string_view value)
{
    for (const char c : value)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F)
            return false;
    return true;
}

bool ProfileFile::Write(std::string_view section, std::string_view key, std::string_view value)
{
    // A key holding "=" or starting with "[" would be read as another key
    // or as a header; a "]" would end the section name early.
    const bool readable = CanHold(value) && CanHold(key) && CanHold(section) &&
                          key.find('=') == std::string_view::npos && !Trim(key).starts_with('[') &&
                          section.find(']') == std::string_view::npos;
    if (!readable)
        return false;
    std::string entry(key);
    entry += '=';
    entry += value;
    const auto found = m_sectionIndex.find(IndexName(section));
    if (found == m_sectionIndex.end()) {
        m_sectionIndex.emplace(IndexName(section), m_sections.size());
        m_sections.push_back(Section{
            "[" + std::string(section) + "]", {std::move(entry)}, 1, std::vector<KeyEntry>{{NameHash(key), 0}}});
        return true;
    }
    Section& target = m_sections[found->second];
    if (const std::optional<std::size_t> old = FindKey(target, key)) {
        target.lines[*old] = std::move(entry);  // the same name: its index entry holds
        return true;
    }
    // Only blank lines follow filledEnd, so no indexed line moves; the new
    // entry's line is after every other, so it goes last among its hash.
    const std::size_t at = target.filledEnd;
    target.lines.insert(target.lines.begin() + static_cast<std::ptrdiff_t>(at), std::move(entry));
    const KeyEntry added{NameHash(key), at};
    target.keys->insert(std::upper_bound(target.keys->begin(), target.keys->end(), added), added);
    target.filledEnd = at + 1;
    return true;
}

std::string ProfileFile::Text() const
{
    std::string out;
    for (const Section& section : m_sections) {
        if (section.header)
            out += *section.header + "\r\n";
        for (const std::string& line : section.lines) {
            out += line;
            out += "\r\n";
        }
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
