// The settings-file reader on any bytes: it never crashes, every ranged
// setting stays inside its range, the text it writes reads back to itself,
// a value written is read back and a value with a line break is refused.

#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "core/config/profile_file.h"
#include "core/config/settings_file.h"
#include "core/program/program_state.h"
#include "core/text/unicode.h"

using namespace castovin;

namespace {

void Check(bool condition)
{
    if (!condition)
        std::abort();
}

// One program state for the whole run: building a fresh one for every input
// cost more than the parsing itself. Each input starts from fresh settings.
struct Fixture {
    RecordingMessageBox box;
    ProgramState state{box};
    Fixture() { state.environment.DataFolder = "/nonexistent-castovin-fuzz/"; }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size)
{
    static Fixture fixture;
    ProgramState& state = fixture.state;
    const RecordingMessageBox& box = fixture.box;
    // Parsed from memory: no file is written or read per input.
    ProfileFile ini(DecodeFileText(std::string_view(reinterpret_cast<const char*>(bytes), size)));
    state.environment.Settings = SettingsRecord{};
    state.environment.Settings.DisplayHistoryWin = 0;
    LoadSettingsFrom(state.environment, state.messenger, ini);
    const SettingsRecord& s = state.environment.Settings;
    Check(s.MaxDisplaySize >= 4096 && s.MaxDisplaySize <= 16384);
    Check(s.DisplayFontSize >= 7 && s.DisplayFontSize <= 24);
    Check(s.MaxLastFiles >= 0 && s.MaxLastFiles <= 4);
    Check(s.GraphStyle >= 1 && s.GraphStyle <= 3);
    Check(s.SymbolSize >= 3 && s.SymbolSize <= 20);
    Check(s.DisplayFontBold >= -1 && s.DisplayFontBold <= 0);
    Check(!s.DataPath.empty() && s.DataPath.back() == '/');
    Check(box.Messages().empty());

    // Whatever the line ends were, the text written reads back to itself.
    const std::string text = ini.Text();
    Check(ProfileFile(text).Text() == text);

    Check(ini.Write(" settings ", "MaxDisplaySize", "8192"));
    Check(!ini.Write("Settings", "DataPath", "/p\r\n[Settings]\r\nMaxDisplaySize=4096"));
    const ProfileFile again(ini.Text());
    Check(again.Read("Settings", "maxdisplaysize") == "8192");
    return 0;
}
