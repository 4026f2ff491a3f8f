#pragma once
// A private-profile (INI) file: sections in square brackets, "key=value"
// entries. Section and key names match without regard to letter case and to
// blanks around them; a value read loses the blanks around it and one pair of
// enclosing quotes, and is at most 254 characters long. Lines that are not
// ours (comments, other programs' sections and keys) are kept as they are.
// A line ends at CR LF, LF or a lone CR. The sections are indexed once when
// the text is read and a section's keys when it is first looked into, so
// that a large file costs one pass, not one a key. (That index is made by
// const reads: one profile is not to be read from two threads at once.)

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
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

    // Whether a value can be written: a CR or LF in it would end the line
    // and let the rest of the value be read as lines of their own (a section
    // header, another key), and no other control character belongs in a
    // setting either.
    static bool CanHold(std::string_view value);

    // Replaces the key's value in place, adds the entry at the end of its
    // section, or adds the section at the end of the file. A value, key or
    // section name that could not be read back as written (see CanHold; a
    // "=" in a key, a "]" in a section name) is refused: false, and the
    // profile is left as it was.
    bool Write(std::string_view section, std::string_view key, std::string_view value);

    // The text with CR LF line ends.
    std::string Text() const;

    // Writes the whole file through a temporary file and a rename, so that a
    // crash never leaves half a file; false when it cannot be written.
    bool Save(const std::string& path) const;

private:
    using KeyEntry = std::pair<std::uint64_t, std::size_t>;
    // A header line and the lines up to the next header. The first section
    // of a file holds the lines before any header and has no header line.
    struct Section {
        std::optional<std::string> header;
        std::vector<std::string> lines;
        // One past the last line that is not blank: a new entry goes there,
        // before the blank lines that part this section from the next.
        std::size_t filledEnd = 0;
        // The hash of each entry's key and its line, in that order: made
        // when the section is first looked into (most lines of a large file
        // belong to sections the program never reads), and one flat vector
        // rather than a node a key.
        mutable std::optional<std::vector<KeyEntry>> keys;
    };

    void AddLine(std::string_view line);
    // The line of the key's first entry in the section.
    static std::optional<std::size_t> FindKey(const Section& section, std::string_view key);

    std::vector<Section> m_sections;
    // Each section name (trimmed, lower case) to its first section.
    std::unordered_map<std::string, std::size_t> m_sectionIndex;
};

}  // namespace castovin
