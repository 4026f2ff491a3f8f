#pragma once
// The design check of one project repeated for many patterns of its first
// bolt system (bolt length, diameter and grade, bolts per row, row spacing):
// what depends on the project alone (whether the method applies, the
// suggested VELB and bolt length, the second system) is worked out once,
// and each pattern then costs a handful of operations. Every value is the
// one ComputeDesignValues gives for the project with that pattern put in, bit
// for bit, and a pattern faults exactly when ComputeDesignValues would raise
// a run-time error. The search and the probabilistic analysis use it.

#include <array>

#include "core/model/design_analysis.h"
#include "core/model/project.h"

namespace castovin {

// A bolt of the first system in working units (ft, in, ksi), with the terms
// of its own that every pattern with it shares.
struct PatternBolt {
    float Lb = 0;                    // ft
    float D = 0;                     // in
    float Gr = 0;                    // ksi
    double areaTerm = 0;             // D^2, as the actual VELB formula takes it
    float boltLengthDifference = 0;  // ft, actual minus suggested length
    bool unusable = false;           // its conversion to working units overflows: every pattern faults
    bool capacityFaults = false;     // its capacity overflows: every pattern of a suitable project faults
};

// A row spacing in working units (ft).
struct PatternSpacing {
    float S = 0;
    bool unusable = false;  // its conversion overflows
};

// The verdict of one pattern.
struct PatternCheck {
    enum class Outcome { Faulted, Fails, Passes };
    Outcome outcome = Outcome::Faulted;
    float actualVELB = 0;  // of the first system
    float suggestedVELB = 0;
    float boltLengthDifference = 0;  // ft
    // actualVELB - suggestedVELB: at 0 or above the VELB part of the check passes.
    double margin() const { return double(actualVELB) - suggestedVELB; }
};

// The project-wide terms of the design check of `work` (in `unitSystem`),
// whose first system's bolt and pattern are replaced per pattern.
class PatternChecker {
public:
    PatternChecker(const std::array<SupportRecord, 2>& work, UnitSystem unitSystem);

    // The working values of a bolt and of a row spacing in the project's units.
    PatternBolt Bolt(float length, float diameter, float grade) const;
    PatternSpacing Spacing(float rowSpacing) const;

    // Passes when the method applies, the actual VELB is at least the
    // suggested one and the bolt is not shorter than suggested by more than
    // 1 ft (DesignPasses on the full check).
    PatternCheck Check(const PatternBolt& bolt, float boltsPerRow, const PatternSpacing& spacing) const;
    // The same from the pattern's values in the project's units.
    PatternCheck Check(float length, float diameter, float grade, float boltsPerRow, float rowSpacing) const;

    bool suitable() const { return m_suitable; }

private:
    bool m_metric = false;
    bool m_faults = false;  // a project value raises an error whatever the pattern
    bool m_suitable = false;
    float m_We = 0;  // ft
    float m_suggestedVELB = 0;
    float m_suggestedBoltLength = 0;  // ft
};

}  // namespace castovin
