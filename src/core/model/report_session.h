#pragma once
// The report being shown: the work copies the analyses read (the project's
// records, or an editor's values for its "Results") and the pages built from
// them.

#include <array>
#include <cstdint>
#include <string>

#include "model/project.h"

namespace castovin {

struct ReportSession {
    std::array<SupportRecord, 2> WorkSupport{};
    CostRecord WorkCost{};
    // Page 0 the header and input listing, page 1 the results.
    std::array<std::string, 5> OutputBuffer{};
    int16_t LastOutputPage = 4;
    int16_t ReportKind = 0;  // 1 design output, 2 cost output
    // -1 while an editor or the results viewer holds the project.
    int16_t EditorOpen = 0;
};

}  // namespace castovin
