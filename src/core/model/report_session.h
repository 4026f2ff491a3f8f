#pragma once
// The report being shown: its pages, as a command built them from the
// project's records or an editor's values for its "Results", and its type.

#include <array>
#include <cstdint>
#include <string>
#include <utility>

namespace castovin {

// None before any report was shown.
// Risk: the probabilistic analysis (its pages come from BuildRiskReport).
enum class ReportType { None = 0, Design = 1, Cost = 2, Listing = 3, Risk = 4 };

// Page 0: header and input listing; page 1: the results (empty for the
// listing report, which lists the support and the cost inputs).
struct ReportPages {
    std::string listing;
    std::string results;
};

struct ReportSession {
    // Page 0 the header and input listing, page 1 the results.
    std::array<std::string, 5> OutputBuffer{};
    int16_t LastOutputPage = 4;
    ReportType ReportKind = ReportType::None;
    // -1 while an editor or the results viewer holds the project.
    int16_t EditorOpen = 0;

    // Stores a built report as the one shown: its two pages and its type.
    void Show(ReportPages pages, ReportType type)
    {
        OutputBuffer[0] = std::move(pages.listing);
        OutputBuffer[1] = std::move(pages.results);
        LastOutputPage = 1;
        ReportKind = type;
    }
};

}  // namespace castovin
