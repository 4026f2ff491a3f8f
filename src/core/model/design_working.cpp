#include "core/model/design_working.h"

#include "core/model/formulas.h"
#include "core/text/runtime_error.h"

namespace castovin {

WorkingSystem LoadSystem(const SupportRecord& r, bool metric)
{
    WorkingSystem s;
    if (metric) {
        s.Lb = MetersToFeet(r.ActualBoltLength);
        s.S = MetersToFeet(r.RowSpacing);
        s.Gr = MPaToKsi(r.BoltGrade);
        s.D = ToFloat(r.BoltDiameter / conv::MmPerInch);
    } else {
        s.Lb = r.ActualBoltLength;
        s.S = r.RowSpacing;
        s.Gr = r.BoltGrade;
        s.D = r.BoltDiameter;
    }
    s.Nb = r.BoltsPerRow;
    return s;
}

WorkingValues LoadWorkingValues(const std::array<SupportRecord, 2>& work, UnitSystem unitSystem)
{
    const bool metric = unitSystem != UnitSystem::English;
    const SupportRecord& s0 = work[0];
    WorkingValues v;
    v.n = s0.NumberOfSystems;
    v.t = s0.SecondSystemType;
    v.l = s0.SecondSystemLocation;
    v.CMRR = static_cast<float>(s0.CMRR);
    v.SF = s0.StabilityFactor;
    v.system[0] = LoadSystem(s0, metric);
    if (metric) {
        v.H = MetersToFeet(s0.DepthofCover);
        v.Ia = MetersToFeet(s0.ActualInterSpan);
        v.We = MetersToFeet(s0.EntryWidth);
        v.gamma = ToFloat(s0.UnitWeight * conv::PcfPerKNm3 / conv::PoundsPerTon);
    } else {
        v.H = s0.DepthofCover;
        v.Ia = s0.ActualInterSpan;
        v.We = s0.EntryWidth;
        v.gamma = ToFloat(s0.UnitWeight / conv::PoundsPerTon);
    }
    if (v.n == 2) {
        v.system[1] = LoadSystem(work[1], metric);
        v.N = work[1].BoltsPerIntersection;
        v.Cc = metric ? MNToTons(work[1].CableBoltCapacity) : work[1].CableBoltCapacity;
    }
    return v;
}

float TonsToKiloNewtons(float tons)
{
    return ToFloat(tons * 2000 * conv::MNPerKip);
}

float SecondSystemVELB(const WorkingValues& v)
{
    // The entry formula runs first even for cables at intersections, as it
    // always has: a value it cannot hold stops the check the same way.
    const WorkingSystem& s1 = v.system[1];
    const float entry = ActualVELB(s1.Lb, s1.Nb, s1.D, s1.Gr, s1.S, v.We);
    return v.l == 1 ? IntersectionVELB(s1.Lb, v.Cc, v.N, v.Ia) : entry;
}

std::size_t SecondSystemCase(int16_t t, int16_t l)
{
    if (t < 0 || t > 1 || l < 0 || l > 1)
        throw RuntimeError(err::SubscriptOutOfRange);
    return static_cast<std::size_t>(l * 2 + t);
}

void ComputeSecondSystemLoad(const WorkingValues& v, DesignResults& r, bool metric, float IaFeet)
{
    const WorkingSystem& s = v.system[1];
    const std::size_t j = SecondSystemCase(v.t, v.l);
    switch (j) {
    case 0:
        r.systemCapacity[0] = RoofBoltSystemCapacity(s.D, s.Gr, s.Nb, s.S);
        r.rockLoadHeight[0] = EntireEntryRockLoadHeight(r.systemCapacity[0], v.gamma, v.We);
        break;
    case 1:
        r.systemCapacity[1] = CableBoltSystemCapacity(v.Cc, s.Nb, s.S);
        r.rockLoadHeight[1] = EntireEntryRockLoadHeight(r.systemCapacity[1], v.gamma, v.We);
        break;
    case 2:
        r.rockLoadHeight[2] = RoofBoltIntersectionRockLoadHeight(s.D, s.Gr, v.N, IaFeet, v.gamma);
        break;
    default:
        r.rockLoadHeight[3] = CableBoltIntersectionRockLoadHeight(v.N, v.Cc, IaFeet, v.gamma);
        break;
    }
    if (metric) {
        for (std::size_t k = 0; k < 2; ++k)
            r.systemCapacity[k] = ToFloat(r.systemCapacity[k] / ((1 / conv::MNPerKip) / 2000) * conv::FeetPerMeter);
        for (float& height : r.rockLoadHeight)
            height = FeetToMeters(height);
    }
}

}  // namespace castovin
