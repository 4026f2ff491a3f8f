#pragma once
// The design formulas. They work in English working units: lengths in ft,
// bolt diameter in in, bolt grade in ksi, capacities in short tons, unit
// weight in tons/ft3. Each computes in double from float operands and rounds
// its result to float; a floating-point fault raises a run-time error
// (5 invalid call, 6 overflow, 11 division by zero).

#include <cmath>
#include <cstdint>
#include <limits>

namespace castovin {

namespace conv {
inline constexpr double FeetPerMeter = 3.280839895013123;
inline constexpr double MmPerInch = 25.4;
inline constexpr double PsiPerMPa = 6894.757293;
inline constexpr double MNPerKip = 0.004448220489393218;
inline constexpr double PcfPerKNm3 = 6.3663022639200495;
inline constexpr double PoundsPerTon = 2000;
inline constexpr double Pi = 3.14159265358979;
inline constexpr double QuarterPi = Pi / 4;
}  // namespace conv

// Checked arithmetic.
[[noreturn]] void RaiseOverflow();  // error 6
// Error 6 outside the float range (a NaN included). Inline, since the search
// rounds millions of values a second and almost none is out of range.
inline float ToFloat(double value)
{
    if (!(std::fabs(value) <= std::numeric_limits<float>::max())) [[unlikely]]
        RaiseOverflow();
    return static_cast<float>(value);
}
double Divide(double dividend, double divisor);  // error 11 for a zero divisor
double Power(double base, double exponent);      // error 5 for a negative base and a fractional exponent
double Log10(double x);                          // 1 for 0; error 5 below 0

// The metric inputs in the formulas' English working units, and back; each
// result is rounded to float like the inputs.
float MetersToFeet(double meters);
float FeetToMeters(double feet);
float MPaToKsi(double mpa);
float MNToTons(double mn);

// The CMRR from which on the VELB method no longer applies at a depth of
// cover H (ft): 21.6 + 11.5 log10(H).
double SuitabilityLimit(float H);

// Suggested intersection span (ft).
float SuggestedSpan(float CMRR);
// Suggested VELB index.
float SuggestedVELB(float SF, float Is, float Ia, float H, float CMRR);
// Suggested bolt length (ft); uses the actual span.
float SuggestedBoltLength(float Ia, float H, float CMRR);
// Actual VELB index of one bolt system.
float ActualVELB(float Lb, float Nb, float D, float Gr, float S, float We);
// Capacity of one bolt (tons).
float BoltCapacity(float D, float Gr);
// True when VELB applies: CMRR below 21.6 + 11.5 log10(H).
bool VelbApplies(float CMRR, float H);
// Actual VELB of a second system installed at intersections only.
float IntersectionVELB(float Lb2, float Cc, int16_t N, float Ia);

// Second support system: capacity (tons/ft) and rock load height (ft).
float RoofBoltSystemCapacity(float D2, float Gr2, float Nb2, float S2);
float CableBoltSystemCapacity(float Cc, float Nb2, float S2);
float EntireEntryRockLoadHeight(float Q, float gamma, float We);
float RoofBoltIntersectionRockLoadHeight(float D2, float Gr2, int16_t N, float Ia, float gamma);
float CableBoltIntersectionRockLoadHeight(int16_t N, float Cc, float Ia, float gamma);

}  // namespace castovin
