#include "core/model/pattern_check.h"

#include <cmath>
#include <limits>

#include "core/model/design_working.h"
#include "core/model/formulas.h"
#include "core/text/runtime_error.h"

namespace castovin {

namespace {

bool FitsFloat(double value)
{
    return std::fabs(value) <= std::numeric_limits<float>::max();
}

// The project's design check with the first system's values at 0, which
// convert without fault: every term that follows from the project alone, in
// the order and with the faults of ComputeDesignValues.
DesignResults ProjectTerms(std::array<SupportRecord, 2> work, UnitSystem unitSystem, WorkingValues& v)
{
    SupportRecord& s0 = work[0];
    s0.ActualBoltLength = s0.BoltDiameter = s0.BoltGrade = s0.BoltsPerRow = s0.RowSpacing = 0;
    const bool metric = unitSystem != UnitSystem::English;
    v = LoadWorkingValues(work, unitSystem);
    DesignResults r;
    r.actualSpan = v.Ia;
    r.suitable = VelbApplies(v.CMRR, v.H);
    if (!r.suitable)
        return r;
    const WorkingSystem& s1 = v.system[1];
    r.suggestedSpan = SuggestedSpan(v.CMRR);
    if (v.n == 2)
        r.actualVELB[1] = SecondSystemVELB(v);
    r.suggestedVELB = SuggestedVELB(v.SF, r.suggestedSpan, v.Ia, v.H, v.CMRR);
    r.suggestedBoltLength = SuggestedBoltLength(v.Ia, v.H, v.CMRR);
    if (v.n == 2) {
        r.boltCapacity[1] = BoltCapacity(s1.D, s1.Gr);
        r.boltLengthDifference[1] = ToFloat(double(s1.Lb) - r.suggestedBoltLength);
    }
    if (metric) {
        FeetToMeters(r.suggestedSpan);
        FeetToMeters(r.suggestedBoltLength);  // kept in ft: the differences are in ft
        r.actualSpan = FeetToMeters(r.actualSpan);
        if (v.n == 2)
            TonsToKiloNewtons(r.boltCapacity[1]);
    }
    if (v.n == 2)
        ComputeSecondSystemLoad(v, r, metric, metric ? MetersToFeet(r.actualSpan) : r.actualSpan);
    return r;
}

}  // namespace

PatternChecker::PatternChecker(const std::array<SupportRecord, 2>& work, UnitSystem unitSystem)
    : m_metric(unitSystem != UnitSystem::English)
{
    try {
        WorkingValues v;
        const DesignResults r = ProjectTerms(work, unitSystem, v);
        m_suitable = r.suitable;
        m_We = v.We;
        m_suggestedVELB = r.suggestedVELB;
        m_suggestedBoltLength = r.suggestedBoltLength;
    } catch (const RuntimeError&) {
        m_faults = true;
    }
}

PatternBolt PatternChecker::Bolt(float length, float diameter, float grade) const
{
    PatternBolt b;
    try {
        if (m_metric) {
            b.Lb = MetersToFeet(length);
            b.Gr = MPaToKsi(grade);
            b.D = ToFloat(diameter / conv::MmPerInch);
        } else {
            b.Lb = length;
            b.D = diameter;
            b.Gr = grade;
        }
    } catch (const RuntimeError&) {
        b.unusable = true;
        return b;
    }
    if (!m_suitable)
        return b;
    try {
        const float capacity = BoltCapacity(b.D, b.Gr);
        if (m_metric)
            TonsToKiloNewtons(capacity);
        b.boltLengthDifference = ToFloat(double(b.Lb) - m_suggestedBoltLength);
    } catch (const RuntimeError&) {
        b.capacityFaults = true;
    }
    b.areaTerm = Power(b.D, 2);
    return b;
}

PatternSpacing PatternChecker::Spacing(float rowSpacing) const
{
    if (!m_metric)
        return {rowSpacing, false};
    const double feet = double(rowSpacing) * conv::FeetPerMeter;
    return FitsFloat(feet) ? PatternSpacing{static_cast<float>(feet), false} : PatternSpacing{0, true};
}

PatternCheck PatternChecker::Check(const PatternBolt& bolt, float boltsPerRow, const PatternSpacing& spacing) const
{
    PatternCheck c;
    if (m_faults || bolt.unusable || spacing.unusable)
        return c;
    c.outcome = PatternCheck::Outcome::Fails;
    if (!m_suitable)
        return c;
    // ActualVELB, without its error: the same operations in the same order.
    const double divisor = double(spacing.S) * m_We;
    const double velb = bolt.areaTerm * (double(bolt.Lb) * boltsPerRow) * conv::QuarterPi * bolt.Gr / divisor;
    if (bolt.capacityFaults || divisor == 0 || !FitsFloat(velb)) {
        c.outcome = PatternCheck::Outcome::Faulted;
        return c;
    }
    c.actualVELB = static_cast<float>(velb);
    c.suggestedVELB = m_suggestedVELB;
    c.boltLengthDifference = bolt.boltLengthDifference;
    if (c.actualVELB >= c.suggestedVELB && BoltLengthFitOf(c.boltLengthDifference) != BoltLengthFit::Shorter)
        c.outcome = PatternCheck::Outcome::Passes;
    return c;
}

PatternCheck PatternChecker::Check(float length, float diameter, float grade, float boltsPerRow, float rowSpacing) const
{
    return Check(Bolt(length, diameter, grade), boltsPerRow, Spacing(rowSpacing));
}

}  // namespace castovin
