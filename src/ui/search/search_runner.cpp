#include "ui/search/search_runner.h"

namespace castovin {

void SearchRunner::Start(SearchProject project, std::vector<PriceRow> prices, SearchRanges ranges, std::size_t keep,
                         Finished done)
{
    BackgroundRun::Start<SearchOutcome>(
        [project = std::move(project), prices = std::move(prices), ranges, keep](const Progress& progress,
                                                                                 const std::atomic<bool>& cancel) {
            SearchControl control;
            control.cancel = &cancel;
            control.progress = progress;
            return SearchDesigns(project, prices, ranges, keep, control);
        },
        std::move(done));
}

}  // namespace castovin
