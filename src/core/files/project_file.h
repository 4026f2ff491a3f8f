#pragma once
// The project file: a tag line "VELB_212", the unit system, the title, the
// description between two marker lines, then one value per line for every
// support and cost parameter. Written in UTF-8 with CR LF line ends; files of
// the Windows program (Windows-1252, CR LF) and files with LF line ends are
// read as well.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/model/project.h"

namespace castovin {

struct Environment;
struct Messenger;

inline constexpr std::string_view ProjectFileTag = "VELB_212";

// The file text of a project whose description is already normalised.
std::string ProjectFileText(const Project& data);

enum class ParseOutcome { Read, InvalidFormat };

// Reads decoded file text into `data` (fields the file does not store keep
// their values). A wrong tag gives InvalidFormat; a missing line, a text
// where a number belongs or a number out of range throws a run-time error
// naming `fileName` and the line.
ParseOutcome ParseProjectFile(std::string_view text, std::string_view fileName, Project& data);

// A file's bytes as a project: decoded (UTF-8 or Windows-1252) and parsed
// over a copy of `base`. Nothing when the tag is wrong; a malformed file
// throws as ParseProjectFile does.
std::optional<Project> ProjectFromBytes(std::string_view bytes, std::string_view fileName, const Project& base);

// Normalises the project's description and writes its file to `path`
// through an atomic replace: a failure leaves the previous file and throws.
void WriteProjectFile(const std::string& path, Project& project);

// Writes the project to `path`, which then names the project; true when
// written. The description is normalised first. A failure leaves the previous
// file untouched and throws a run-time error.
bool FileSave(Project& project, const std::string& path, Messenger& messenger);

inline constexpr std::string_view InvalidFormatText = "Invalid file format";

// How an open ended: `failure` is the text shown when the file was not read.
struct FileOpenResult {
    bool opened = false;
    std::string failure;
    explicit operator bool() const { return opened; }
};

// Replaces the project by the file at `path`, which then names the project;
// opened when it was read completely. Otherwise the project is the new, empty
// project named "Untitled": InvalidFormatText is shown and returned for a
// wrong tag, any other failure throws a run-time error.
FileOpenResult FileOpen(Project& project, const std::string& path, const Environment& env, Messenger& messenger);

}  // namespace castovin
