#include "core/tools/unit_calculator.h"

#include <cmath>

#include "core/text/runtime_error.h"

namespace castovin {

namespace {

// One step of a chain: multiply or divide by a constant.
struct Step {
    bool multiply;
    double factor;
};

using Chain = std::vector<Step>;

struct UnitTable {
    std::vector<std::string> captions;
    std::vector<std::vector<Chain>> chains;  // [from][to]
};

Step Mul(double k)
{
    return {true, k};
}

Step Div(double k)
{
    return {false, k};
}

constexpr double k = 0.004448220489393218;  // kN per pound-force
constexpr double kNPerTon = 8.896440978786435;
constexpr double kNPerKip = 4.448220489393218;
constexpr double f = 0.08333333333333333;   // feet per inch
constexpr double g = 0.01459389924341607;   // kN/m per lbsF/ft
constexpr double s = 0.006944444444444444;  // square feet per square inch
constexpr double P = 6894.757293;           // Pa per psi
constexpr double G = 271447.137519685;      // Pa/m per psi/in

const UnitTable& Table(QuantityKind kind)
{
    static const UnitTable length{{"in", "ft", "cm", "m"},
                                  {{Chain{}, {Div(12)}, {Mul(2.54)}, {Mul(2.54), Div(100)}},
                                   {{Mul(12)}, Chain{}, {Mul(12), Mul(2.54)}, {Mul(12), Mul(2.54), Div(100)}},
                                   {{Div(2.54)}, {Div(2.54), Div(12)}, Chain{}, {Div(100)}},
                                   {{Mul(100), Div(2.54)}, {Mul(100), Div(2.54), Div(12)}, {Mul(100)}, Chain{}}}};
    static const UnitTable load{
        {"lbsF", "tonsF (short)", "kN", "MN", "kips"},
        {{Chain{}, {Div(2000)}, {Mul(k)}, {Mul(k), Div(1000)}, {Div(1000)}},
         {{Mul(2000)}, Chain{}, {Mul(2000), Mul(k)}, {Mul(2000), Mul(k), Div(1000)}, {Mul(2000), Div(1000)}},
         {{Div(k)}, {Div(kNPerTon)}, Chain{}, {Div(1000)}, {Div(kNPerKip)}},
         {{Mul(1000), Div(k)}, {Mul(1000), Div(k), Div(2000)}, {Mul(1000)}, Chain{}, {Mul(1000), Div(kNPerKip)}},
         {{Mul(1000)}, {Div(2000), Mul(1000)}, {Mul(k), Mul(1000)}, {Mul(k), Div(1000), Mul(1000)}, Chain{}}}};
    static const UnitTable loadGradient{{"lbsF/in", "lbsF/ft", "kN/m", "MN/m"},
                                        {{Chain{}, {Div(f)}, {Div(f), Mul(g)}, {Div(f), Mul(g), Div(1000)}},
                                         {{Mul(f)}, Chain{}, {Mul(g)}, {Mul(g), Div(1000)}},
                                         {{Div(g), Mul(f)}, {Div(g)}, Chain{}, {Div(1000)}},
                                         {{Mul(1000), Div(g), Mul(f)}, {Mul(1000), Div(g)}, {Mul(1000)}, Chain{}}}};
    static const UnitTable stress{
        {"psi", "ksi", "psf", "Pa", "MPa"},
        {{Chain{}, {Div(1000)}, {Div(s)}, {Mul(P)}, {Mul(P), Div(1000000)}},
         {{Mul(1000)}, Chain{}, {Div(s), Mul(1000)}, {Mul(P), Mul(1000)}, {Mul(P), Div(1000000), Mul(1000)}},
         {{Mul(s)}, {Mul(s), Div(1000)}, Chain{}, {Mul(s), Mul(P)}, {Mul(s), Mul(P), Div(1000000)}},
         {{Div(P)}, {Div(P), Div(1000)}, {Div(P), Div(s)}, Chain{}, {Div(1000000)}},
         {{Mul(1000000), Div(P)},
          {Mul(1000000), Div(P), Div(1000)},
          {Mul(1000000), Div(P), Div(s)},
          {Mul(1000000)},
          Chain{}}}};
    static const UnitTable stressGradient{
        {"psi/in", "psi/ft", "Pa/m", "MPa/m"},
        {{Chain{}, {Div(f)}, {Mul(G)}, {Mul(G), Div(1000000)}},
         {{Mul(f)}, Chain{}, {Mul(f), Mul(G)}, {Mul(f), Mul(G), Div(1000000)}},
         {{Div(G)}, {Div(G), Div(f)}, Chain{}, {Div(1000000)}},
         {{Mul(1000000), Div(G)}, {Mul(1000000), Div(G), Div(f)}, {Mul(1000000)}, Chain{}}}};
    switch (kind) {
    case QuantityKind::Length:
        return length;
    case QuantityKind::Load:
        return load;
    case QuantityKind::LoadGradient:
        return loadGradient;
    case QuantityKind::Stress:
        return stress;
    default:
        return stressGradient;
    }
}

}  // namespace

const std::vector<std::string>& UnitCaptions(QuantityKind kind)
{
    return Table(kind).captions;
}

double ConvertUnits(QuantityKind kind, int from, int to, double value)
{
    const UnitTable& table = Table(kind);
    const auto count = static_cast<int>(table.captions.size());
    if (from < 0 || from >= count || to < 0 || to >= count)
        throw RuntimeError(err::SubscriptOutOfRange);
    for (const Step& step : table.chains[static_cast<std::size_t>(from)][static_cast<std::size_t>(to)])
        value = step.multiply ? value * step.factor : value / step.factor;
    if (!std::isfinite(value))
        throw RuntimeError(err::Overflow);
    return value;
}

std::optional<UnitName> FindUnit(std::string_view name)
{
    for (QuantityKind kind : AllQuantityKinds) {
        const auto& captions = UnitCaptions(kind);
        for (std::size_t i = 0; i < captions.size(); ++i)
            if (captions[i] == name || (captions[i] == "tonsF (short)" && name == "tonsF"))
                return UnitName{kind, static_cast<int>(i)};
    }
    return std::nullopt;
}

}  // namespace castovin
