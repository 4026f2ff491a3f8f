#pragma once
// The settings file "VELB.INI" in the data folder: created with the built-in
// values on the first run, replaced when its version tag is not the
// program's, read once at start-up and written group by group.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/config/settings.h"

namespace castovin {

struct Environment;
struct Messenger;

inline constexpr const char* SettingsFileName = "VELB.INI";

// One value: the text read, or the default (as text) when it is empty.
std::string ReadIniString(const std::string& file, std::string_view section, std::string_view key,
                          std::optional<std::string_view> defaultValue = std::nullopt);
// Writes one value; false when the file could not be written.
bool WriteIniString(const std::string& file, std::string_view section, std::string_view key, std::string_view value);

// Start-up: SettingsFilePath := DataFolder + "VELB.INI"; a missing file, or
// one whose version is not "050817", is (re)written with the built-in values;
// then the settings are read.
void CheckSettingsFile(Environment& env, Messenger& messenger);

// Reads groups Settings, FileMenu, TextBrowse, Graph, VELBOptions and Studies.
void LoadSettings(Environment& env, Messenger& messenger);

class ProfileFile;
// The same from a profile already in memory.
void LoadSettingsFrom(Environment& env, Messenger& messenger, const ProfileFile& ini);

// Logs "Saving default settings to file: " and writes group 2..6, or all of
// them for code 1.
void SaveSettings(Environment& env, Messenger& messenger, SettingsGroup group);

// Writes [VELBDefaults] (code 10) or [VELBBoltGrade] (code 11).
void SaveDefaultInputs(Environment& env, SettingsGroup group);

}  // namespace castovin
