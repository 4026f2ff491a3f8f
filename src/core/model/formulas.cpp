#include "core/model/formulas.h"

#include <cmath>
#include <limits>

#include "core/text/runtime_error.h"

namespace castovin {

void RaiseOverflow()
{
    throw RuntimeError(err::Overflow);
}

double Divide(double dividend, double divisor)
{
    if (divisor == 0)
        throw RuntimeError(err::DivisionByZero);
    return dividend / divisor;
}

double Power(double base, double exponent)
{
    if (base < 0 && exponent != std::floor(exponent))
        throw RuntimeError(err::InvalidCall);
    return std::pow(base, exponent);
}

double Log10(double x)
{
    if (x == 0)
        return 1;
    if (x < 0)
        throw RuntimeError(err::InvalidCall);
    return std::log(x) / std::log(10.0);
}

float SuggestedSpan(float CMRR)
{
    return ToFloat(double(CMRR) * 0.26 + 20);
}

float SuggestedVELB(float SF, float Is, float Ia, float H, float CMRR)
{
    return ToFloat(double(SF) * ((double(Is) - Ia) * (-0.3) + 5.7 * Log10(H) - 0.35 * CMRR + 6.5));
}

float SuggestedBoltLength(float Ia, float H, float CMRR)
{
    const double strength = Power((100 - double(CMRR)) / 100, 1.5);
    return ToFloat(strength * (double(Ia) / 6.66 * Log10(H)));
}

float ActualVELB(float Lb, float Nb, float D, float Gr, float S, float We)
{
    const double numerator = Power(D, 2) * (double(Lb) * Nb) * conv::QuarterPi * Gr;
    return ToFloat(Divide(numerator, double(S) * We));
}

float BoltCapacity(float D, float Gr)
{
    return ToFloat(Power(D, 2) * conv::Pi / 4 * Gr / 2);
}

float MetersToFeet(double meters)
{
    return ToFloat(meters * conv::FeetPerMeter);
}

float FeetToMeters(double feet)
{
    return ToFloat(feet / conv::FeetPerMeter);
}

float MPaToKsi(double mpa)
{
    return ToFloat(mpa * 1000000.0 / conv::PsiPerMPa / 1000);
}

float MNToTons(double mn)
{
    return ToFloat(mn / conv::MNPerKip / 2000 * 1000);
}

double SuitabilityLimit(float H)
{
    return 21.6 + 11.5 * Log10(H);
}

bool VelbApplies(float CMRR, float H)
{
    return double(CMRR) < SuitabilityLimit(H);
}

float IntersectionVELB(float Lb2, float Cc, int16_t N, float Ia)
{
    const double numerator = double(Lb2) * 4 * Cc * static_cast<float>(N);
    return ToFloat(Divide(numerator, Power(Ia, 2)));
}

float RoofBoltSystemCapacity(float D2, float Gr2, float Nb2, float S2)
{
    const double area = Power(D2, 2) * conv::QuarterPi;
    const double halfGrade = double(Gr2) / 2;
    return ToFloat(Divide(area * halfGrade * Nb2, S2));
}

float CableBoltSystemCapacity(float Cc, float Nb2, float S2)
{
    return ToFloat(Divide(double(Cc) * Nb2, S2));
}

float EntireEntryRockLoadHeight(float Q, float gamma, float We)
{
    return ToFloat(Divide(Q, double(gamma) * We));
}

namespace {

// Area carried at an intersection times the unit weight: the square of half
// the diagonal span, (sqrt(2)/2 x Ia)^2, times gamma.
double IntersectionLoadBase(float Ia, float gamma)
{
    return Power(std::sqrt(2.0) / 2 * Ia, 2) * gamma;
}

}  // namespace

float RoofBoltIntersectionRockLoadHeight(float D2, float Gr2, int16_t N, float Ia, float gamma)
{
    const double area = Power(D2, 2) * conv::QuarterPi;
    const double halfGrade = double(Gr2) / 2;
    const double numerator = area * halfGrade * N;
    return ToFloat(Divide(numerator, IntersectionLoadBase(Ia, gamma)));
}

float CableBoltIntersectionRockLoadHeight(int16_t N, float Cc, float Ia, float gamma)
{
    const double numerator = double(N) * Cc;
    return ToFloat(Divide(numerator, IntersectionLoadBase(Ia, gamma)));
}

}  // namespace castovin
