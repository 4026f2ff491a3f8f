#pragma once
// The values new projects receive and the bolt grades the editors offer:
// kept in the settings file, so they live with the settings.

#include <array>
#include <cstddef>
#include <cstdint>

namespace castovin {

// The values a new project receives; the names are the keys of the
// settings-file section that records them.
struct DefaultInputsRecord {
    int16_t DefaultCMRR = 45;
    float DefaultMETDepthofCover = 150;
    float DefaultENGDepthofCover = 400;
    float DefaultMETUnitWeight = 25;
    float DefaultENGUnitWeight = 162;
    float DefaultStabilityFactor = 1.2f;
    float DefaultMETActualBoltLength = 2;
    float DefaultENGActualBoltLength = 6;
    float DefaultMETboltDiameter = 20;
    float DefaultENGboltDiameter = 0.75f;
    float DefaultMETBoltGrade = 520;
    float DefaultENGBoltGrade = 75;
    int16_t DefaultNumberBoltsPerRow = 4;
    float DefaultMETrowSpacing = 1.2f;
    float DefaultENGrowSpacing = 4;
    float DefaultMETActualInterSpan = 9;
    float DefaultENGActualInterSpan = 30;
    float DefaultMETEntryWidth = 6.2f;
    float DefaultENGEntryWidth = 20;

    bool operator==(const DefaultInputsRecord&) const = default;
};

// Bolt grades offered by the editors: list 0 English first system, 1 English
// second system, 2 metric first system, 3 metric second system.
inline constexpr std::size_t BoltGradeListCount = 4;
inline constexpr std::size_t BoltGradeListSize = 10;
using BoltGradeLists = std::array<std::array<float, BoltGradeListSize>, BoltGradeListCount>;

BoltGradeLists BuiltInBoltGradeList();
std::array<int16_t, BoltGradeListCount> BuiltInBoltGradeLast();

}  // namespace castovin
