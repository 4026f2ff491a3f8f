#pragma once
// The parametric curves: the suggested VELB index against CMRR, depth of
// cover, stability factor or intersection span, each varied around the
// project's value with the other inputs held.

#include <array>
#include <cstdint>
#include <vector>

#include "core/model/project.h"

namespace castovin {

struct Messenger;
struct SupportRecord;

enum GraphKind : int16_t { GraphCMRR = 0, GraphDepth = 1, GraphStabilityFactor = 2, GraphSpan = 3 };

// The short names of the curves, in GraphKind order: the command line's
// GRAPH argument and the ending of an exported file's name.
inline constexpr std::array<const char*, 4> GraphShortNames = {"cmrr", "depth", "sf", "span"};

struct CurvePoint {
    float x = 0;  // the varied input, in the project's units
    float y = 0;  // suggested VELB index
};

// Largest number of points a curve may reserve; a request for more is an
// out-of-memory error rather than an attempt to allocate it.
inline constexpr int64_t MaxCurvePoints = 10'000'000;

// The CMRR curve's range: the project's CMRR - 10 (at least 35) to its
// CMRR + 10 (at most 100), then cut at the floor of the method's suitability
// limit for the depth of cover when that limit lies below.
struct CmrrCurveRange {
    float start = 0;
    float end = 0;     // before the cut
    float limit = 0;   // the suitability limit, 21.6 + 11.5 log10(H ft)
    float cutEnd = 0;  // the end the curve uses
};
CmrrCurveRange CmrrRange(const SupportRecord& support, UnitSystem unitSystem);

// The points of curve `index` (0..3) around the inputs of the first support
// record, in the given unit system. A range with room for no point gives a
// curve without points; an adjusted lower limit is logged.
std::vector<CurvePoint> ComputeCurve(const SupportRecord& support, UnitSystem unitSystem, GraphKind graph,
                                     Messenger& messenger);

}  // namespace castovin
