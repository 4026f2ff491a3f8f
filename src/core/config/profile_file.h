#pragma once
// A private-profile (INI) file: sections in square brackets, "key=value"
// entries. Section and key names match without regard to letter case and to
// blanks around them; a value read loses the blanks around it and one pair of
// enclosing quotes, and is at most 254 characters long. Lines that are not
// ours (comments, other programs' sections and keys) are kept as they are.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace castovin {

class ProfileFile {
public:
    static constexpr std::size_t MaxValueLength = 254;
    // A settings file holds a few kilobytes; anything above this is not one,
    // and every line of it would cost memory.
    static constexpr std::size_t MaxFileBytes = 1024 * 1024;

    // The file's text; a missing or unreadable file gives an empty profile.
    static ProfileFile Load(const std::string& path);
    // The file's text for changing it: empty when the file does not exist,
    // nullopt when it exists but cannot be read (it must then be neither
    // replaced nor deleted, or what it holds would be lost).
    static std::optional<ProfileFile> LoadForUpdate(const std::string& path);
    explicit ProfileFile(std::string_view text = {});

    // The value of a key, or nullopt when the section or key is absent.
    std::optional<std::string> Read(std::string_view section, std::string_view key) const;

    // Replaces the key's value in place, adds the entry at the end of its
    // section, or adds the section at the end of the file.
    void Write(std::string_view section, std::string_view key, std::string_view value);

    // The text with CR LF line ends.
    std::string Text() const;

    // Writes the whole file through a temporary file and a rename, so that a
    // crash never leaves half a file; false when it cannot be written.
    bool Save(const std::string& path) const;

private:
    // Index of the header line of the first section with that name, or npos.
    std::size_t FindSection(std::string_view section) const;
    // One past the last line of the section that starts at `header`.
    std::size_t SectionEnd(std::size_t header) const;

    std::vector<std::string> m_lines;
};

}  // namespace castovin
