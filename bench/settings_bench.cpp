// Reading the settings: a settings file of 200,000 lines (another program's
// sections kept beside ours, or a file grown by mistake) must still be read
// at start-up in well under 100 ms.

#include <benchmark/benchmark.h>

#include <string>

#include "core/config/profile_file.h"
#include "core/config/settings_file.h"
#include "core/program/program_state.h"

namespace castovin {
namespace {

constexpr int kLines = 200000;

// Foreign sections of ten keys each fill the file; the program's own
// sections come last, so that every key the program reads is found only
// after all the others.
std::string ForeignSectionsText()
{
    std::string text;
    for (int line = 0; line < kLines - 40; ++line) {
        if (line % 11 == 0)
            text += "[Foreign" + std::to_string(line / 11) + "]\r\n";
        else
            text += "key" + std::to_string(line % 11) + "=value\r\n";
    }
    text += "[Version]\r\nINIFileVersion=050817\r\n[Settings]\r\nMaxDisplaySize=8192\r\nDataPath=0\r\n";
    text += "[FileMenu]\r\nMaxLastFiles=4\r\n[Graph]\r\nGraphStyle=2\r\n";
    return text;
}

// One of the program's own sections grown to the whole file, the keys it
// reads at its end.
std::string OneLargeSectionText()
{
    std::string text = "[Version]\r\nINIFileVersion=050817\r\n[Settings]\r\n";
    for (int line = 0; line < kLines - 10; ++line)
        text += "Unknown" + std::to_string(line) + "=1\r\n";
    text += "MaxDisplaySize=8192\r\nDataPath=0\r\n";
    return text;
}

void LoadSettingsText(benchmark::State& bench, const std::string& text)
{
    RecordingMessageBox box;
    ProgramState state{box};
    state.environment.DataFolder = "/nonexistent-castovin-bench/";
    for (auto _ : bench) {
        const ProfileFile ini(text);
        LoadSettingsFrom(state.environment, state.messenger, ini);
        benchmark::DoNotOptimize(state.environment.Settings.MaxDisplaySize);
    }
    bench.counters["lines"] = kLines;
}

void SettingsLoadOf200000LinesInForeignSections(benchmark::State& bench)
{
    LoadSettingsText(bench, ForeignSectionsText());
}
BENCHMARK(SettingsLoadOf200000LinesInForeignSections)->Unit(benchmark::kMillisecond);

void SettingsLoadOf200000LinesInOneSection(benchmark::State& bench)
{
    LoadSettingsText(bench, OneLargeSectionText());
}
BENCHMARK(SettingsLoadOf200000LinesInOneSection)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace castovin
