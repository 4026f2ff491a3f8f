#pragma once
// The unit conversion calculator: a number in one unit converted into every
// unit of the same kind, by fixed chains of multiplications and divisions in
// 64-bit floating point.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace castovin {

enum class QuantityKind { Length, Load, LoadGradient, Stress, StressGradient };

inline constexpr QuantityKind AllQuantityKinds[] = {QuantityKind::Length, QuantityKind::Load,
                                                    QuantityKind::LoadGradient, QuantityKind::Stress,
                                                    QuantityKind::StressGradient};

// The unit captions of a kind, in the calculator's order ("tonsF (short)"
// for short tons force).
const std::vector<std::string>& UnitCaptions(QuantityKind kind);

// `value` in unit `from` expressed in unit `to` (indices into UnitCaptions).
// A result beyond the double range raises run-time error 6.
double ConvertUnits(QuantityKind kind, int from, int to, double value);

struct UnitName {
    QuantityKind kind;
    int index;
};

// The unit for a short name: the caption, or "tonsF" for short tons force.
std::optional<UnitName> FindUnit(std::string_view name);

}  // namespace castovin
