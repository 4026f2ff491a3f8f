#include "core/config/settings.h"

namespace castovin {

int16_t LimitToRange(double value, int16_t low, int16_t high)
{
    if (!(value >= low && value <= high))
        return low;
    return static_cast<int16_t>(value);
}

}  // namespace castovin
