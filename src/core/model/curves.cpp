#include "core/model/curves.h"

#include <algorithm>
#include <cmath>

#include "core/model/formulas.h"
#include "core/model/project.h"
#include "core/text/messages.h"
#include "core/text/runtime_error.h"

namespace castovin {

namespace {

struct Range {
    float a = 0;  // lower limit
    float b = 0;  // upper limit
    float s = 0;  // step
};

// The depth of cover in ft, the unit of the formulas.
float DepthFeet(const SupportRecord& s0, UnitSystem unitSystem)
{
    return unitSystem != UnitSystem::English ? MetersToFeet(s0.DepthofCover) : s0.DepthofCover;
}

CmrrCurveRange CmrrRangeOf(float CMRR, float H)
{
    CmrrCurveRange r;
    r.start = std::max(ToFloat(double(CMRR) - 10), 35.0f);
    r.end = std::min(ToFloat(double(CMRR) + 10), 100.0f);
    const double limit = SuitabilityLimit(H);
    r.limit = ToFloat(limit);
    r.cutEnd = r.limit < r.end ? ToFloat(std::floor(limit)) : r.end;
    return r;
}

Range CurveRange(Messenger& messenger, GraphKind graph, float CMRR, float H, float SF, float Ia)
{
    Range r;
    switch (graph) {
    case GraphCMRR: {
        const CmrrCurveRange cmrr = CmrrRangeOf(CMRR, H);
        r = {cmrr.start, cmrr.cutEnd, ToFloat(double(CMRR) * 0.1)};
        break;
    }
    case GraphDepth:
        r = {ToFloat(double(H) * 0.5), ToFloat(double(H) * 1.5), ToFloat(double(H) * 0.1)};
        break;
    case GraphStabilityFactor:
        r = {ToFloat(double(SF) * 0.5), ToFloat(double(SF) * 1.5), ToFloat(double(SF) * 0.1)};
        break;
    case GraphSpan:
        r = {ToFloat(double(Ia) - 10), ToFloat(double(Ia) + 10), ToFloat(double(Ia) * 0.1)};
        if (r.a < 0) {
            r.a = 3;
            AppendHistory(messenger, "Lower limit for IntersectionSpan adjusted > 0");
        }
        break;
    default:
        throw RuntimeError(err::SubscriptOutOfRange);
    }
    if (r.s == 0)
        r.s = 1;
    return r;
}

}  // namespace

CmrrCurveRange CmrrRange(const SupportRecord& s0, UnitSystem unitSystem)
{
    return CmrrRangeOf(static_cast<float>(s0.CMRR), DepthFeet(s0, unitSystem));
}

std::vector<CurvePoint> ComputeCurve(const SupportRecord& s0, UnitSystem unitSystem, GraphKind graph,
                                     Messenger& messenger)
{
    const bool metric = unitSystem != UnitSystem::English;
    const float CMRR = static_cast<float>(s0.CMRR);
    const float SF = s0.StabilityFactor;
    const float H = DepthFeet(s0, unitSystem);
    const float Ia = metric ? MetersToFeet(s0.ActualInterSpan) : s0.ActualInterSpan;
    std::vector<CurvePoint> points;

    const float Is = SuggestedSpan(CMRR);
    const Range r = CurveRange(messenger, graph, CMRR, H, SF, Ia);
    const double rooms = std::nearbyint((double(r.b) - r.a) / r.s + 2);
    if (!(rooms >= 1))
        return points;
    if (rooms > 2147483647.0)
        throw RuntimeError(err::Overflow);
    if (rooms > MaxCurvePoints)
        throw RuntimeError(err::OutOfMemory);
    const auto N = static_cast<int32_t>(rooms);
    points.reserve(static_cast<std::size_t>(N));

    for (float v = r.a; v <= r.b;) {
        if (points.size() >= static_cast<std::size_t>(N))
            throw RuntimeError(err::SubscriptOutOfRange);
        CurvePoint p;
        switch (graph) {
        case GraphCMRR:
            p.y = SuggestedVELB(SF, Is, Ia, H, v);
            break;
        case GraphDepth:
            p.y = SuggestedVELB(SF, Is, Ia, v, CMRR);
            break;
        case GraphStabilityFactor:
            p.y = SuggestedVELB(v, Is, Ia, H, CMRR);
            break;
        default:
            p.y = SuggestedVELB(SF, Is, v, H, CMRR);
            break;
        }
        p.x = (metric && (graph == GraphDepth || graph == GraphSpan)) ? FeetToMeters(v) : v;
        points.push_back(p);
        const float next = ToFloat(double(v) + r.s);
        if (next == v)
            throw RuntimeError(err::Overflow);  // the step is lost below the precision of v
        v = next;
    }
    return points;
}

}  // namespace castovin
