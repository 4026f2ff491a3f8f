#pragma once
// Runs a design search off the GUI thread (see BackgroundRun), so that the
// window stays responsive however long the price list.

#include <cstddef>
#include <functional>
#include <vector>

#include "core/program/design_search.h"
#include "core/risk/reliable_search.h"
#include "ui/app/background_run.h"

namespace castovin {

class SearchRunner : public BackgroundRun {
    Q_OBJECT

public:
    using Finished = std::function<void(SearchOutcome outcome)>;
    using BackgroundRun::BackgroundRun;

    // Starts the search; `done` runs on the GUI thread with the outcome
    // (cancelled or whole), unless another Start or the runner's end came
    // first. The search stops at a cancel after the price row it is on.
    void Start(SearchProject project, std::vector<PriceRow> prices, SearchRanges ranges, std::size_t keep,
               Finished done);
    // The search at a reliability: the study is resolved and valid, and every
    // candidate is judged on its samples.
    void StartReliable(SearchProject project, std::vector<PriceRow> prices, SearchRanges ranges, Study study,
                       double minProbability, std::size_t keep, std::function<void(ReliableOutcome)> done);
};

}  // namespace castovin
