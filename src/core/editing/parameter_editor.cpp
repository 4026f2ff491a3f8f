#include "core/editing/parameter_editor.h"

#include <cmath>
#include <limits>

#include "core/editing/validation.h"
#include "core/text/messages.h"
#include "core/text/number_format.h"
#include "core/text/runtime_error.h"

namespace castovin {

namespace {

constexpr double kFloatMax = std::numeric_limits<float>::max();

// True when a value is a usable positive quantity.
bool Positive(double v)
{
    return v > 0 && v <= kFloatMax;
}

std::optional<int16_t> WholeNumber(const std::optional<double>& value)
{
    if (!value)
        return std::nullopt;
    const double rounded = std::nearbyint(*value);
    if (!(rounded >= -32768 && rounded <= 32767))
        return std::nullopt;
    return static_cast<int16_t>(rounded);
}

std::string BoltLengthMessage(UnitSystem u)
{
    return "Invalid actual bolt length. Maximum length allowed is " + GeneralNumber(MaxBoltLength[UnitIndex(u)]) +
           std::string(UnitLabel(UnitKind::Length, u));
}

struct Check {
    bool failed;
    const char* message;
    ParmField focus;
};

}  // namespace

bool BoltFieldInRange(BoltField field, double v, UnitSystem u)
{
    const std::size_t system = UnitIndex(u);
    switch (field) {
    case BoltField::ActualBoltLength:
        return Positive(v) && static_cast<float>(v) <= MaxBoltLength[system];
    case BoltField::BoltDiameter:
        return Positive(v) && static_cast<float>(v) <= MaxBoltDiameter[system];
    default:
        return Positive(v);  // grade, bolts per row and row spacing: any usable positive value
    }
}

namespace {

class Validation {
public:
    explicit Validation(Messenger& messenger) : m_messenger(messenger) {}

    void Error(const std::string& message, ParmField focus)
    {
        ShowMessage(m_messenger, message, MsgIcon::Critical, m_messenger.MsgCategory.RangeError);
        m_focus = focus;
    }
    // A Yes/No question; false (and the focus moved) on No.
    bool Accept(const std::string& question, ParmField focus)
    {
        if (ShowMessage(m_messenger, question, MsgButtons::YesNo, m_messenger.MsgCategory.RangeError) == MsgResult::Yes)
            return true;
        m_focus = focus;
        return false;
    }
    ParmField Focus() const { return m_focus; }

private:
    Messenger& m_messenger;
    ParmField m_focus = ParmField::None;
};

bool BoltLengthValid(double v, UnitSystem u)
{
    return BoltFieldInRange(BoltField::ActualBoltLength, v, u);
}

bool DiameterValid(double v, UnitSystem u)
{
    return BoltFieldInRange(BoltField::BoltDiameter, v, u);
}

// A number by the strict conversion: the whole text (blanks around it
// allowed) must be a number.
std::optional<double> StrictNumber(const std::string& text)
{
    if (!IsNumericText(text))
        return std::nullopt;
    try {
        return LeadingNumber(text);
    } catch (const RuntimeError&) {
        return std::nullopt;
    }
}

bool GradeValid(const std::string& text)
{
    const std::optional<double> grade = StrictNumber(text);
    return grade && Positive(*grade);
}

}  // namespace

ParameterFields ParameterFieldsFromSupport(const std::array<SupportRecord, 2>& support)
{
    const SupportRecord& s0 = support[0];
    const SupportRecord& s1 = support[1];
    ParameterFields f;
    f.CMRR = GeneralNumber(s0.CMRR);
    f.DepthofCover = GeneralNumber(s0.DepthofCover);
    f.UnitWeight = GeneralNumber(s0.UnitWeight);
    f.StabilityFactor = GeneralNumber(s0.StabilityFactor);
    f.ActualSpan = GeneralNumber(s0.ActualInterSpan);
    f.EntryWidth = GeneralNumber(s0.EntryWidth);
    f.NoSup = GeneralNumber(s0.NumberOfSystems);
    f.SystemType = s0.SecondSystemType;
    f.SystemLocation = s0.SecondSystemLocation;
    for (std::size_t i = 0; i < 2; ++i) {
        f.ActualBoltLength[i] = GeneralNumber(support[i].ActualBoltLength);
        f.BoltDiameter[i] = GeneralNumber(support[i].BoltDiameter);
        f.BoltGrade[i] = GeneralNumber(support[i].BoltGrade);
        f.BoltsperRow[i] = GeneralNumber(support[i].BoltsPerRow);
        f.RowSpacing[i] = GeneralNumber(support[i].RowSpacing);
    }
    f.BoltsInter = GeneralNumber(s1.BoltsPerIntersection);
    f.CableBoltCap = GeneralNumber(s1.CableBoltCapacity);
    return f;
}

SupportLayout ApplySupportLayout(const std::string& noSupText, int systemType, int systemLocation,
                                 UnitSystem unitSystem)
{
    double number = 0;
    try {
        number = LeadingNumber(noSupText);
    } catch (const RuntimeError&) {
        number = 0;
    }
    const bool metric = unitSystem != UnitSystem::English;
    SupportLayout layout;
    layout.secondPageSelectable = std::nearbyint(number) == 2;
    layout.secondChoicesShown = number != 1;
    if (number == 2) {
        const bool cables = systemType == 1;
        layout.cableCapacityShown = cables;
        layout.diameterLabel = cables ? (metric ? "Cable Bolt Capacity (MN)" : "Cable Bolt Capacity (tons)")
                                      : "Bolt Diameter" + std::string(UnitLabel(UnitKind::Diameter, unitSystem));
        const bool intersections = systemLocation == 1;
        layout.boltsPerIntersectionShown = intersections;
        layout.boltsPerRowLabel = intersections ? "Number of Bolts per Intersection" : "Number of Bolts per Row";
    }
    return layout;
}

namespace {

// The second system's fields in order; the first that fails is reported.
bool SecondSystemValid(Validation& v, const ParameterFields& f, UnitSystem u)
{
    const Check second[] = {
        {!BoltLengthValid(FieldValue(f.ActualBoltLength[1]), u), nullptr, ParmField::ActualBoltLength1},
        {!DiameterValid(FieldValue(f.BoltDiameter[1]), u), "Invalid bolt diameter. Valid Range: max 1in or 25 mm",
         ParmField::BoltDiameter1},
        {!GradeValid(f.BoltGrade[1]), "Invalid bolt grade", ParmField::BoltGrade1},
        {!Positive(FieldValue(f.BoltsperRow[1])), "Invalid number of bolts per row", ParmField::BoltsperRow1},
        {!Positive(FieldValue(f.RowSpacing[1])), "Invalid row spacing", ParmField::RowSpacing1},
        {!WholeNumber(StrictNumber(f.BoltsInter)), "Invalid number of bolts per intersection", ParmField::BoltsInter},
        {!StrictNumber(f.CableBoltCap) || !(std::fabs(*StrictNumber(f.CableBoltCap)) <= kFloatMax),
         "Invalid cable bolt capacity", ParmField::CableBoltCap},
    };
    for (const Check& c : second) {
        if (c.failed) {
            v.Error(c.message ? c.message : BoltLengthMessage(u), c.focus);
            return false;
        }
    }
    return true;
}

}  // namespace

ParmValidation ValidateParms(Messenger& messenger, UnitSystem unitSystem, const ParameterFields& f)
{
    const UnitSystem u = unitSystem;
    Validation v(messenger);
    // CMRR is stored as a whole number (half to even), so the checks judge
    // that number: 99.5 would be stored as 100.
    const double CMRR = std::nearbyint(FieldValue(f.CMRR));
    const double unitWeight = FieldValue(f.UnitWeight);
    const double depth = FieldValue(f.DepthofCover);
    const double span = FieldValue(f.ActualSpan);
    const double width = FieldValue(f.EntryWidth);
    const double SF = FieldValue(f.StabilityFactor);

    // First system: the first failing check only.
    const Check first[] = {
        {!(CMRR > 0 && CMRR < 100), "Invalid CMRR", ParmField::CMRR},
        {!Positive(unitWeight), "Invalid Unit Weight for Rock", ParmField::UnitWeight},
        {!Positive(depth), "Invalid depth of cover", ParmField::DepthofCover},
        {!Positive(span), "Invalid actual intersection span", ParmField::ActualSpan},
        {!Positive(width), "Invalid entry width", ParmField::EntryWidth},
        {!Positive(SF), "Invalid stability factor", ParmField::StabilityFactor},
        {!BoltLengthValid(FieldValue(f.ActualBoltLength[0]), u), nullptr, ParmField::ActualBoltLength0},
        {!DiameterValid(FieldValue(f.BoltDiameter[0]), u), "Invalid bolt diameter. Valid Range: max 1 in or 25 mm",
         ParmField::BoltDiameter0},
        {!GradeValid(f.BoltGrade[0]), "Invalid bolt grade", ParmField::BoltGrade0},
        {!Positive(FieldValue(f.BoltsperRow[0])), "Invalid number of bolts per row", ParmField::BoltsperRow0},
        {!Positive(FieldValue(f.RowSpacing[0])), "Invalid row spacing", ParmField::RowSpacing0},
    };
    bool firstValid = true;
    for (const Check& c : first) {
        if (!c.failed)
            continue;
        v.Error(c.message ? c.message : BoltLengthMessage(u), c.focus);
        firstValid = false;
        if (c.focus == ParmField::EntryWidth)
            return {false, v.Focus()};  // an invalid entry width ends the validation at once
        break;
    }

    // The number of systems, then the second system.
    const std::optional<double> systems = StrictNumber(f.NoSup);
    bool secondValid = systems && *systems == 1;
    if (firstValid && !(systems && (*systems == 1 || *systems == 2))) {
        v.Error("Invalid number of support systems", ParmField::NoSup);
    } else if (firstValid && *systems == 2) {
        secondValid = SecondSystemValid(v, f, u);
    }

    // Span and entry width of a square intersection.
    bool spanAccepted = true;
    const double diagonal = std::sqrt(2 * width * width);
    const double allowance = u != UnitSystem::English ? 4 : 12;
    if (span < diagonal || span > diagonal + allowance)
        spanAccepted = v.Accept("Actual Intersection Span and Entry Width dont seem to match. Accept current values?",
                                ParmField::ActualSpan);
    bool valid = firstValid && secondValid && spanAccepted;

    if (CMRR > 0 && CMRR < 35 &&
        !v.Accept("WARNING:  CMRR outside range of case history data base.  VELB may not be valid.  Accept Value ?",
                  ParmField::CMRR))
        valid = false;
    if (SF > 0 && SF < 1 &&
        !v.Accept("WARNING:  Stability Factor is less than 1.0.  VELB is probably not valid.  Accept Value ?",
                  ParmField::StabilityFactor))
        valid = false;
    return {valid, v.Focus()};
}

std::array<SupportRecord, 2> SupportFromFields(const ParameterFields& f, const std::array<SupportRecord, 2>& base)
{
    std::array<SupportRecord, 2> out = base;
    const auto real = [](const std::string& text, float fallback) {
        const double v = FieldValue(text);
        return std::isfinite(v) ? static_cast<float>(v) : fallback;
    };
    SupportRecord& s0 = out[0];
    SupportRecord& s1 = out[1];
    s0.CMRR = WholeNumber(FieldValue(f.CMRR)).value_or(base[0].CMRR);
    s0.DepthofCover = real(f.DepthofCover, base[0].DepthofCover);
    s0.UnitWeight = real(f.UnitWeight, base[0].UnitWeight);
    s0.ActualInterSpan = real(f.ActualSpan, base[0].ActualInterSpan);
    s0.EntryWidth = real(f.EntryWidth, base[0].EntryWidth);
    s0.StabilityFactor = real(f.StabilityFactor, base[0].StabilityFactor);
    s0.NumberOfSystems = WholeNumber(StrictNumber(f.NoSup)).value_or(base[0].NumberOfSystems);
    if (f.SystemType == 0 || f.SystemType == 1)
        s0.SecondSystemType = static_cast<int16_t>(f.SystemType);
    if (f.SystemLocation == 0 || f.SystemLocation == 1)
        s0.SecondSystemLocation = static_cast<int16_t>(f.SystemLocation);
    for (std::size_t i = 0; i < 2; ++i) {
        out[i].ActualBoltLength = real(f.ActualBoltLength[i], base[i].ActualBoltLength);
        out[i].BoltDiameter = real(f.BoltDiameter[i], base[i].BoltDiameter);
        const std::optional<double> grade = StrictNumber(f.BoltGrade[i]);
        if (grade && std::fabs(*grade) <= kFloatMax)
            out[i].BoltGrade = static_cast<float>(*grade);
        out[i].BoltsPerRow = real(f.BoltsperRow[i], base[i].BoltsPerRow);
        out[i].RowSpacing = real(f.RowSpacing[i], base[i].RowSpacing);
    }
    s1.BoltsPerIntersection = WholeNumber(StrictNumber(f.BoltsInter)).value_or(base[1].BoltsPerIntersection);
    const std::optional<double> capacity = StrictNumber(f.CableBoltCap);
    if (capacity && std::fabs(*capacity) <= kFloatMax)
        s1.CableBoltCapacity = static_cast<float>(*capacity);
    return out;
}

}  // namespace castovin
