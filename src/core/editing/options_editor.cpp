#include "core/editing/options_editor.h"

#include <cmath>
#include <limits>

#include "core/config/environment.h"
#include "core/config/settings_file.h"
#include "core/editing/validation.h"
#include "core/text/messages.h"
#include "core/text/number_format.h"
#include "core/text/runtime_error.h"
#include "core/text/text_format.h"

namespace castovin {

namespace {

bool Positive(double v)
{
    return v > 0 && std::isfinite(v);
}

float Real(const std::string& text, float fallback)
{
    const double v = FieldValue(text);
    return std::isfinite(v) ? static_cast<float>(v) : fallback;
}

int16_t Whole(const std::string& text, int16_t fallback)
{
    const double v = std::nearbyint(FieldValue(text));
    return (v >= -32768 && v <= 32767) ? static_cast<int16_t>(v) : fallback;
}

}  // namespace

std::vector<std::string> BoltGradeEntries(const Environment& env, std::size_t list)
{
    std::vector<std::string> entries;
    const int last = std::min<int>(env.BoltGradeLast[list], static_cast<int>(BoltGradeListSize) - 1);
    for (int i = 0; i <= last; ++i)
        entries.push_back(GeneralNumber(env.BoltGradeList[list][static_cast<std::size_t>(i)]));
    return entries;
}

OptionsFields OptionsFieldsFromState(const Environment& env)
{
    const SettingsRecord& s = env.Settings;
    const DefaultInputsRecord& d = env.DefaultInputs;
    OptionsFields f;
    f.loadInputForm = s.ShowInputScreenOnLoad == 1;
    f.viewChildWindow = s.ViewChildWindow == 1;
    f.printModuleHeader = s.PrintModuleHeader == 1;
    f.skipExportQuestion = s.AskOfficeInstall == 1;
    for (DefaultInputFields& page : f.page) {
        page.CMRR = GeneralNumber(d.DefaultCMRR);
        page.StabilityFactor = GeneralNumber(d.DefaultStabilityFactor);
        page.BoltsperRow = GeneralNumber(d.DefaultNumberBoltsPerRow);
    }
    DefaultInputFields& e = f.page[0];
    DefaultInputFields& m = f.page[1];
    e.DepthofCover = GeneralNumber(d.DefaultENGDepthofCover);
    m.DepthofCover = GeneralNumber(d.DefaultMETDepthofCover);
    e.UnitWeight = GeneralNumber(d.DefaultENGUnitWeight);
    m.UnitWeight = GeneralNumber(d.DefaultMETUnitWeight);
    e.ActualBoltLength = GeneralNumber(d.DefaultENGActualBoltLength);
    m.ActualBoltLength = GeneralNumber(d.DefaultMETActualBoltLength);
    e.BoltDiameter = GeneralNumber(d.DefaultENGboltDiameter);
    m.BoltDiameter = GeneralNumber(d.DefaultMETboltDiameter);
    e.BoltGrade = GeneralNumber(d.DefaultENGBoltGrade);
    m.BoltGrade = GeneralNumber(d.DefaultMETBoltGrade);
    e.RowSpacing = GeneralNumber(d.DefaultENGrowSpacing);
    m.RowSpacing = GeneralNumber(d.DefaultMETrowSpacing);
    e.ActualSpan = GeneralNumber(d.DefaultENGActualInterSpan);
    m.ActualSpan = GeneralNumber(d.DefaultMETActualInterSpan);
    e.EntryWidth = GeneralNumber(d.DefaultENGEntryWidth);
    m.EntryWidth = GeneralNumber(d.DefaultMETEntryWidth);
    for (std::size_t k = 0; k < BoltGradeListCount; ++k)
        f.gradeLists[k] = BoltGradeEntries(env, k);
    return f;
}

OptionsValidation CheckOptions(Messenger& messenger, const OptionsFields& f)
{
    const DefaultInputFields& e = f.page[0];
    const DefaultInputFields& m = f.page[1];
    // Judged as the whole number (half to even) that will be stored.
    const double CMRR = std::nearbyint(FieldValue(e.CMRR));
    const double SF = FieldValue(e.StabilityFactor);
    struct Check {
        bool failed;
        const char* message;
        int page;
        OptionsField focus;
    };
    using F = OptionsField;
    const Check checks[] = {
        {!Positive(SF), "Invalid stability factor", 2, F::StabilityFactor},
        {!Positive(FieldValue(e.ActualBoltLength)), "Invalid actual bolt length", 1, F::ActualBoltLength},
        {!Positive(FieldValue(m.ActualBoltLength)), "Invalid actual bolt length", 2, F::ActualBoltLength},
        {!Positive(FieldValue(e.BoltDiameter)), "Invalid bolt diameter", 1, F::BoltDiameter},
        {!Positive(FieldValue(m.BoltDiameter)), "Invalid bolt diameter", 2, F::BoltDiameter},
        {!Positive(FieldValue(e.BoltGrade)), "Invalid bolt grade", 1, F::BoltGrade},
        {!Positive(FieldValue(m.BoltGrade)), "Invalid bolt grade", 2, F::BoltGrade},
        {!Positive(FieldValue(e.BoltsperRow)), "Invalid number of bolts per row", 1, F::BoltsperRow},
        {!Positive(FieldValue(e.RowSpacing)), "Invalid row spacing", 1, F::RowSpacing},
        {!Positive(FieldValue(m.RowSpacing)), "Invalid row spacing", 2, F::RowSpacing},
        {!(CMRR > 0 && CMRR < 100), "Invalid CMRR", 2, F::CMRR},
        {!Positive(FieldValue(e.DepthofCover)), "Invalid depth of cover", 1, F::DepthofCover},
        {!Positive(FieldValue(m.DepthofCover)), "Invalid depth of cover", 2, F::DepthofCover},
        {!Positive(FieldValue(e.ActualSpan)), "Invalid actual intersection span", 1, F::ActualSpan},
        {!Positive(FieldValue(m.ActualSpan)), "Invalid actual intersection span", 2, F::ActualSpan},
        {!Positive(FieldValue(e.EntryWidth)), "Invalid entry width", 1, F::EntryWidth},
        {!Positive(FieldValue(m.EntryWidth)), "Invalid entry width", 2, F::EntryWidth},
    };
    OptionsValidation result;
    for (const Check& c : checks) {
        if (!c.failed)
            continue;
        ShowMessage(messenger, c.message, MsgIcon::Critical, messenger.MsgCategory.RangeError);
        result = {false, c.page, c.focus};
        break;
    }
    if (CMRR > 0 && CMRR < 35 &&
        ShowMessage(messenger,
                    "WARNING:  CMRR outside range of case history data base.  VELB may not be valid.  Accept Value ?",
                    MsgButtons::YesNo, messenger.MsgCategory.RangeError) != MsgResult::Yes)
        result = {false, 1, F::CMRR};
    if (SF > 0 && SF < 1 &&
        ShowMessage(messenger, "WARNING:  Stability Factor is less than 1.0 VELB is probably not valid.",
                    MsgButtons::YesNo, messenger.MsgCategory.RangeError) != MsgResult::Yes)
        result = {false, 1, F::StabilityFactor};
    return result;
}

void CommitOptions(Environment& env, Messenger& messenger, const OptionsFields& f)
{
    SettingsRecord& s = env.Settings;
    s.ShowInputScreenOnLoad = f.loadInputForm ? 1 : 0;
    s.ViewChildWindow = f.viewChildWindow ? 1 : 0;
    s.PrintModuleHeader = f.printModuleHeader ? 1 : 0;
    s.AskOfficeInstall = f.skipExportQuestion ? 1 : 0;

    DefaultInputsRecord& d = env.DefaultInputs;
    const DefaultInputFields& e = f.page[0];
    const DefaultInputFields& m = f.page[1];
    d.DefaultCMRR = Whole(e.CMRR, d.DefaultCMRR);
    d.DefaultStabilityFactor = Real(e.StabilityFactor, d.DefaultStabilityFactor);
    d.DefaultNumberBoltsPerRow = Whole(e.BoltsperRow, d.DefaultNumberBoltsPerRow);
    d.DefaultENGDepthofCover = Real(e.DepthofCover, d.DefaultENGDepthofCover);
    d.DefaultMETDepthofCover = Real(m.DepthofCover, d.DefaultMETDepthofCover);
    d.DefaultENGUnitWeight = Real(e.UnitWeight, d.DefaultENGUnitWeight);
    d.DefaultMETUnitWeight = Real(m.UnitWeight, d.DefaultMETUnitWeight);
    d.DefaultENGActualBoltLength = Real(e.ActualBoltLength, d.DefaultENGActualBoltLength);
    d.DefaultMETActualBoltLength = Real(m.ActualBoltLength, d.DefaultMETActualBoltLength);
    d.DefaultENGboltDiameter = Real(e.BoltDiameter, d.DefaultENGboltDiameter);
    d.DefaultMETboltDiameter = Real(m.BoltDiameter, d.DefaultMETboltDiameter);
    d.DefaultENGBoltGrade = Real(e.BoltGrade, d.DefaultENGBoltGrade);
    d.DefaultMETBoltGrade = Real(m.BoltGrade, d.DefaultMETBoltGrade);
    d.DefaultENGrowSpacing = Real(e.RowSpacing, d.DefaultENGrowSpacing);
    d.DefaultMETrowSpacing = Real(m.RowSpacing, d.DefaultMETrowSpacing);
    d.DefaultENGActualInterSpan = Real(e.ActualSpan, d.DefaultENGActualInterSpan);
    d.DefaultMETActualInterSpan = Real(m.ActualSpan, d.DefaultMETActualInterSpan);
    d.DefaultENGEntryWidth = Real(e.EntryWidth, d.DefaultENGEntryWidth);
    d.DefaultMETEntryWidth = Real(m.EntryWidth, d.DefaultMETEntryWidth);

    for (std::size_t k = 0; k < BoltGradeListCount; ++k) {
        const std::vector<std::string>& entries = f.gradeLists[k];
        const std::size_t count = std::min(entries.size(), BoltGradeListSize);
        for (std::size_t i = 0; i < count; ++i)
            env.BoltGradeList[k][i] = Real(entries[i], 0);
        env.BoltGradeLast[k] = static_cast<int16_t>(static_cast<int>(count) - 1);
    }

    SaveSettings(env, messenger, SettingsGroup::VELBOptions);
    SaveDefaultInputs(env, SettingsGroup::VELBDefaults);
    SaveDefaultInputs(env, SettingsGroup::VELBBoltGrade);
}

bool AddBoltGrade(Messenger& messenger, std::vector<std::string>& list, const std::string& text)
{
    if (list.size() >= BoltGradeListSize) {
        ShowMessage(messenger, "Maximum entries have been reached. Please delete a value first", MsgButtons::OK);
        return false;
    }
    if (TrimBlanks(text).empty()) {
        ShowMessage(messenger, "Please enter a value in the text box above.", MsgButtons::OK);
        return false;
    }
    for (const std::string& entry : list) {
        if (entry == text) {
            ShowMessage(messenger, "Entry exists. New value not added", MsgButtons::OK);
            return false;
        }
    }
    list.push_back(text);
    return true;
}

void DeleteBoltGrades(Messenger& messenger, std::vector<std::string>& list, const std::vector<bool>& selected)
{
    std::size_t count = 0;
    for (bool s : selected)
        count += s ? 1 : 0;
    if (count != 1)
        ShowMessage(messenger, "Please select a value to delete", MsgButtons::OK);
    std::vector<std::string> kept;
    for (std::size_t i = 0; i < list.size(); ++i)
        if (i >= selected.size() || !selected[i])
            kept.push_back(list[i]);
    list = std::move(kept);
}

std::array<std::vector<std::string>, 2> SetDefaultBoltGrades(Environment& env, UnitSystem unitSystem)
{
    const BoltGradeLists builtIn = BuiltInBoltGradeList();
    const auto builtInLast = BuiltInBoltGradeLast();
    const std::size_t first = unitSystem == UnitSystem::Metric ? 2 : 0;
    for (std::size_t k = first; k < first + 2; ++k) {
        env.BoltGradeList[k] = builtIn[k];
        env.BoltGradeLast[k] = builtInLast[k];
    }
    return {BoltGradeEntries(env, first), BoltGradeEntries(env, first + 1)};
}

}  // namespace castovin
