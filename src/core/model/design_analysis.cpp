#include "core/model/design_analysis.h"

#include "core/model/design_working.h"
#include "core/model/formulas.h"
#include "core/model/report_lines.h"
#include "core/text/number_format.h"
#include "core/text/runtime_error.h"
#include "core/text/text_format.h"

namespace castovin {

namespace {

constexpr const char* kSuitable = "OK to use VELB, bolt reinforcement mechanism is beam building.";
constexpr const char* kUnsuitable =
    "Cannot use VELB, roof is too strong and bolt reinforcement mechanism is skin control or suspension."
    "Bolts are working in skin control/suspension, not beam building.";

std::string DesignVerdict(const DesignResults& r)
{
    static constexpr const char* kWarning = "WARNING: The actual VELB for this design is less than the suggested\r\n"
                                            "         VELB. Try changing the bolt length, bolt diameter, bolt grade\r\n"
                                            "         or row spacing.";
    if (r.numberOfSystems == 1)
        return r.actualVELB[0] < r.suggestedVELB ? kWarning : "VELB Design: OK.";
    return ToFloat(double(r.actualVELB[0]) + r.actualVELB[1]) < r.suggestedVELB ? kWarning : "";
}

}  // namespace

std::string SuitabilityText(bool suitable)
{
    return suitable ? kSuitable : kUnsuitable;
}

BoltLengthFit BoltLengthFitOf(float dL)
{
    if (dL < -1)
        return BoltLengthFit::Shorter;
    return dL > 1 ? BoltLengthFit::Longer : BoltLengthFit::Ok;
}

std::string CheckBoltLength(float dL, UnitSystem unitSystem)
{
    const bool metric = unitSystem != UnitSystem::English;
    const BoltLengthFit fit = BoltLengthFitOf(dL);
    if (fit == BoltLengthFit::Shorter)
        return std::string("WARNING: The actual roof bolt length is shorter than the suggested\r\n") +
               (metric ? "         length by more than 30 cm. VELB is probably not valid."
                       : "         length by more than 1 foot. VELB is probably not valid.");
    if (fit == BoltLengthFit::Longer)
        return std::string("WARNING: The actual roof bolt length is longer than the suggested\r\n") +
               (metric ? "         length by more than 30 cm." : "         length by more than 1 foot.");
    return "Bolt Length: OK.";
}

DesignResults ComputeDesignValues(const std::array<SupportRecord, 2>& work, UnitSystem unitSystem)
{
    const bool metric = unitSystem != UnitSystem::English;
    const WorkingValues v = LoadWorkingValues(work, unitSystem);
    DesignResults r;
    r.numberOfSystems = v.n;
    r.secondType = v.t;
    r.secondLocation = v.l;
    r.cableBoltCapacity = v.Cc;
    r.actualSpan = v.Ia;
    r.suitable = VelbApplies(v.CMRR, v.H);
    if (!r.suitable)
        return r;

    const WorkingSystem& s0 = v.system[0];
    const WorkingSystem& s1 = v.system[1];
    r.suggestedSpan = SuggestedSpan(v.CMRR);
    r.actualVELB[0] = ActualVELB(s0.Lb, s0.Nb, s0.D, s0.Gr, s0.S, v.We);
    if (v.n == 2)
        r.actualVELB[1] = SecondSystemVELB(v);
    r.suggestedVELB = SuggestedVELB(v.SF, r.suggestedSpan, v.Ia, v.H, v.CMRR);
    r.suggestedBoltLength = SuggestedBoltLength(v.Ia, v.H, v.CMRR);
    r.boltCapacity[0] = BoltCapacity(s0.D, s0.Gr);
    r.boltLengthDifference[0] = ToFloat(double(s0.Lb) - r.suggestedBoltLength);
    if (v.n == 2) {
        r.boltCapacity[1] = BoltCapacity(s1.D, s1.Gr);
        r.boltLengthDifference[1] = ToFloat(double(s1.Lb) - r.suggestedBoltLength);
    }
    if (metric) {
        r.suggestedSpan = FeetToMeters(r.suggestedSpan);
        r.suggestedBoltLength = FeetToMeters(r.suggestedBoltLength);
        r.actualSpan = FeetToMeters(r.actualSpan);
        r.boltCapacity[0] = TonsToKiloNewtons(r.boltCapacity[0]);
        if (v.n == 2)
            r.boltCapacity[1] = TonsToKiloNewtons(r.boltCapacity[1]);
    }
    if (v.n == 2) {
        const float IaFeet = metric ? MetersToFeet(r.actualSpan) : r.actualSpan;
        ComputeSecondSystemLoad(v, r, metric, IaFeet);
    }
    return r;
}

DesignResults ComputeDesign(const std::array<SupportRecord, 2>& work, UnitSystem unitSystem)
{
    DesignResults r = ComputeDesignValues(work, unitSystem);
    if (!r.suitable)
        return r;
    r.boltLengthVerdict[0] = CheckBoltLength(r.boltLengthDifference[0], unitSystem);
    r.boltLengthVerdict[1] = CheckBoltLength(r.boltLengthDifference[1], unitSystem);
    r.spanVerdict = r.actualSpan > r.suggestedSpan
                        ? "WARNING: Actual intersection span exceeds suggested intersection span."
                        : "Intersection Span: OK.";
    r.designVerdict = DesignVerdict(r);
    return r;
}

std::string DesignReportText(const DesignResults& r, UnitSystem u)
{
    const bool one = r.numberOfSystems == 1;
    std::string out = "[VELB SUITABILITY]\r\n\r\n";
    out += SuitabilityText(r.suitable);
    out += "\r\n\r\n";
    if (!r.suitable)
        return out;

    out += "[INTESECTION SPAN INFORMATION]\r\n\r\n";
    // One decimal with the zero kept before the point: after a dot leader
    // ".8" would read as 8.
    out +=
        ValueLine("Suggested Intersection Span", FormatNumber(r.suggestedSpan, "0.0"), UnitLabel(UnitKind::Length, u)) +
        "\r\n\r\n";
    out += r.spanVerdict + "\r\n\r\n";
    out += "[BOLT INFORMATION]\r\n\r\n";
    out +=
        ValueLine("Suggested Bolt Length", FormatNumber(r.suggestedBoltLength, "0.0"), UnitLabel(UnitKind::Length, u)) +
        "\r\n\r\n";
    if (one) {
        out += r.boltLengthVerdict[0] + "\r\n\r\n";
    } else {
        out += "Bolt System #1\r\n" + r.boltLengthVerdict[0] + "\r\n\r\n";
        out += "Bolt System #2\r\n" + r.boltLengthVerdict[1] + "\r\n\r\n";
    }
    const std::string_view boltUnit = UnitLabel(UnitKind::BoltCapacity, u);
    if (one) {
        out += ValueLine("Bolt Capacity", FormatNumber(r.boltCapacity[0], "0.0"), boltUnit) + "\r\n\r\n";
    } else {
        out += ValueLine("Bolt Capacity (Bolt System #1)", FormatNumber(r.boltCapacity[0], "0.0"), boltUnit) + "\r\n";
        if (r.secondType != 0)
            out += ValueLine("Cable Bolt Capacity (Bolt System #2)", FormatNumber(r.cableBoltCapacity, "0.0"),
                             UnitLabel(UnitKind::ShortTons, u)) +
                   "\r\n\r\n";
        else
            out += ValueLine("Bolt Capacity (Bolt System #2)", FormatNumber(r.boltCapacity[1], "0.0"), boltUnit) +
                   "\r\n\r\n";
    }
    out += "[VELB DESIGN]\r\n\r\n";
    out += ValueLine("Suggested VELB", FormatNumber(r.suggestedVELB, "0.0")) + "\r\n";
    if (one) {
        out += ValueLine("Actual VELB for this design", FormatNumber(r.actualVELB[0], "0.0")) + "\r\n\r\n";
    } else {
        out += ValueLine("Actual VELB for Bolt System #1", FormatNumber(r.actualVELB[0], "0.0")) + "\r\n";
        out += ValueLine("Actual VELB for Bolt System #2", FormatNumber(r.actualVELB[1], "0.0")) + "\r\n\r\n";
    }
    if (!r.designVerdict.empty())
        out += r.designVerdict + "\r\n\r\n";
    if (r.numberOfSystems == 2) {
        static constexpr const char* kCaseLabel[4] = {"Entire Entry (bolts)", "Entire Entry (cables)",
                                                      "Intersection (bolts)", "Intersection (cables)"};
        const std::size_t j = SecondSystemCase(r.secondType, r.secondLocation);
        const std::string blanks(21, ' ');
        out += "[SUPPORT SYSTEM CAPACITY (for second system)]\r\n";
        out += blanks + AlignRight("System Capacity", 25) + AlignRight("Rock Load Height", 18) + "\r\n";
        out += blanks + AlignRight(UnitLabel(UnitKind::SystemCapacity, u), 25) +
               AlignRight(UnitLabel(UnitKind::Length, u), 18) + "\r\n";
        const std::string capacity = j < 2 ? FormatNumber(r.systemCapacity[j], "0.00") : "n.a.";
        out += AlignRight(kCaseLabel[j], 21) + AlignRight(capacity, 25) +
               AlignRight(FormatNumber(r.rockLoadHeight[j], "0.00"), 18) + "\r\n";
    }
    return out;
}

}  // namespace castovin
