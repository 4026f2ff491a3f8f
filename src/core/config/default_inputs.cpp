#include "core/config/default_inputs.h"

namespace castovin {

BoltGradeLists BuiltInBoltGradeList()
{
    BoltGradeLists lists{};
    lists[0] = {55, 60, 75, 90};
    lists[1] = {55, 60, 75, 90};
    lists[2] = {380, 420, 520, 620};
    lists[3] = {380, 420, 520, 620};
    return lists;
}

std::array<int16_t, BoltGradeListCount> BuiltInBoltGradeLast()
{
    return {3, 3, 3, 3};
}

}  // namespace castovin
