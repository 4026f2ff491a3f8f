#pragma once
// The parts of the project's lifecycle that need no window: a new project,
// the recent-file list and the window caption.

#include <string>
#include <string_view>

namespace castovin {

struct Environment;
struct Messenger;
struct Project;
struct SettingsRecord;

// A new project with the default unit system of the settings: `resetName`
// names it "Untitled", `resetUnits` takes the default unit system. Logs the
// new-project line and clears InputsEntered.
void FileNew(Project& project, const Environment& env, Messenger& messenger, bool resetName, bool resetUnits);

// True when ProjectFilePath names no file yet (empty or "Untitled" in any
// letter case), so saving needs a name first.
bool ProjectNeedsName(const Project& project);
// The same test for a path about to be saved under.
bool PathNeedsName(std::string_view path);

// Commands that need a project's values refuse an empty one: true (after
// "Current file is empty") when nothing has been entered or opened yet.
bool RefusedAsEmpty(const Project& project, Messenger& messenger);

// The caption of the main window: "VELB: " and the project's path (its first
// 10 and last 37 characters around "..." when longer than 50), with "*"
// while there are unsaved changes.
std::string WindowCaption(const Project& project);

// The menu caption of a recent file: its short name or its full path, as
// ShortRecentFiles says.
std::string RecentFileCaption(const SettingsRecord& settings, const std::string& shortName,
                              const std::string& fullPath);

// Builds the recent-file menu captions from the list read at start-up
// (entries with an empty short name get none). Returns true when at least
// one entry has a caption, so the separator is shown.
bool BuildRecentFileMenu(Environment& env);

// After a successful open or save of `projectPath`: a listed file (same caption) changes
// places with entry 1 and takes the current path; a new one goes to the top,
// pushing the others down (the fourth is dropped), and the recent-file group
// of the settings file is written. Nothing happens when KeepFileNames is 0;
// a path with a line break or another control character is not listed, and
// a message says so.
void RecentFileUpdate(Environment& env, Messenger& messenger, const std::string& projectPath);

}  // namespace castovin
