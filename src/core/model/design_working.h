#pragma once
// The design check's inputs in the formulas' working units, and the second
// system's load, shared by the design check of one project and the pattern
// check that repeats it for many patterns.

#include <array>
#include <cstddef>
#include <cstdint>

#include "core/model/design_analysis.h"
#include "core/model/project.h"

namespace castovin {

// One bolt system in working units.
struct WorkingSystem {
    float Lb = 0;  // ft
    float S = 0;   // ft
    float Gr = 0;  // ksi
    float D = 0;   // in
    float Nb = 0;
};

struct WorkingValues {
    std::array<WorkingSystem, 2> system{};
    float CMRR = 0;
    float H = 0;   // ft
    float Ia = 0;  // ft
    float SF = 0;
    float We = 0;     // ft
    float gamma = 0;  // tons/ft3
    float Cc = 0;     // tons
    int16_t N = 0;
    int16_t n = 0;
    int16_t t = 0;
    int16_t l = 0;
};

WorkingSystem LoadSystem(const SupportRecord& r, bool metric);
WorkingValues LoadWorkingValues(const std::array<SupportRecord, 2>& work, UnitSystem unitSystem);
float TonsToKiloNewtons(float tons);

// Case index of the second system: 0 bolts over the entry, 1 cables over the
// entry, 2 bolts at intersections, 3 cables at intersections.
std::size_t SecondSystemCase(int16_t t, int16_t l);

// The actual VELB of the second system: its bolts over the entry, or its
// cables at intersections (the design check and the pattern check share it).
float SecondSystemVELB(const WorkingValues& v);

// The second system's capacity and rock load height into `r`.
void ComputeSecondSystemLoad(const WorkingValues& v, DesignResults& r, bool metric, float IaFeet);

}  // namespace castovin
