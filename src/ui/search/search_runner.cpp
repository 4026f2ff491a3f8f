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

void SearchRunner::StartReliable(SearchProject project, std::vector<PriceRow> prices, SearchRanges ranges, Study study,
                                 double minProbability, std::size_t keep, std::function<void(ReliableOutcome)> done)
{
    BackgroundRun::Start<ReliableOutcome>(
        [project = std::move(project), prices = std::move(prices), ranges, study = std::move(study), minProbability,
         keep](const Progress& progress, const std::atomic<bool>& cancel) {
            RiskControl control;
            control.cancel = &cancel;
            control.progress = progress;
            return SearchReliableDesigns(project, prices, ranges, study, minProbability, keep, control);
        },
        std::move(done));
}

}  // namespace castovin
