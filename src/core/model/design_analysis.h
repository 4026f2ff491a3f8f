#pragma once
// The design check of a project's (or an editor's) support records and its
// results text.

#include <array>
#include <cstdint>
#include <string>

#include "core/model/project.h"

namespace castovin {

// Results of one design check. Lengths are in the project's units except the
// bolt-length differences (always ft); the cable bolt capacity is in tons.
struct DesignResults {
    bool suitable = false;
    int16_t numberOfSystems = 0;
    int16_t secondType = 0;
    int16_t secondLocation = 0;
    float suggestedSpan = 0;
    float actualSpan = 0;
    float suggestedVELB = 0;
    float suggestedBoltLength = 0;
    float cableBoltCapacity = 0;
    std::array<float, 2> actualVELB{};
    std::array<float, 2> boltCapacity{};
    std::array<float, 2> boltLengthDifference{};
    std::array<std::string, 2> boltLengthVerdict;
    std::string spanVerdict;
    std::string designVerdict;
    std::array<float, 4> systemCapacity{};  // by case: bolts/cables over the entry, at intersections
    std::array<float, 4> rockLoadHeight{};
};

// How the actual bolt length compares with the suggested one, from their
// difference dL (ft, actual minus suggested): more than 1 ft either way is
// shorter or longer.
enum class BoltLengthFit { Shorter, Ok, Longer };
BoltLengthFit BoltLengthFitOf(float dL);

// The bolt-length verdict for a difference dL (ft) of actual minus suggested
// length; the message names 1 foot or 30 cm by unit system.
std::string CheckBoltLength(float dL, UnitSystem unitSystem);

// The suitability sentence of the report: beam building, or a roof too strong.
std::string SuitabilityText(bool suitable);

// The numbers of the design check without its verdict texts, which are left
// empty: a caller that checks many patterns needs no text per pattern.
DesignResults ComputeDesignValues(const std::array<SupportRecord, 2>& work, UnitSystem unitSystem);

// Runs the design check on two support records in the given unit system.
DesignResults ComputeDesign(const std::array<SupportRecord, 2>& work, UnitSystem unitSystem);

// The results text of a design check (CR LF line ends).
std::string DesignReportText(const DesignResults& results, UnitSystem unitSystem);

}  // namespace castovin
