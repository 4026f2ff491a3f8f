#pragma once
// Page 0 of every report: the optional header (module version, project file,
// units), the title and description, and the listing of the support or cost
// inputs. Pure functions of the project and the records listed, so an
// editor's "Results" lists the values being edited without touching the
// project.

#include <array>
#include <string>

#include "core/model/project.h"

namespace castovin {

// The header (when `withHeader`), title, description and support inputs.
std::string SupportListing(const Project& project, const std::array<SupportRecord, 2>& support, bool withHeader);

// The header (when `withHeader`), title, description and cost inputs.
std::string CostListing(const Project& project, const CostRecord& cost, bool withHeader);

// The whole input listing as printed: the support listing, five line ends,
// then the cost listing of the project's own records.
std::string FullListing(const Project& project, bool withHeader);

}  // namespace castovin
