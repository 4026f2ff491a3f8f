#pragma once
// The points of a curve as CSV text or as a spreadsheet workbook: "X-coord"
// and "Sug.VELB" in the first row, one point per row below.

#include <string>
#include <vector>

#include "core/model/curves.h"

namespace castovin {

// "X-coord,Sug.VELB" and one "x,y" line per point, LF line ends, numbers in
// the general number format.
std::string CurveCsv(const std::vector<CurvePoint>& points);

// An .xlsx workbook: A1 "X-coord", B1 "Sug.VELB", the x values from A2 down
// and the y values from B2 down, stored as numbers. Saved as projects are
// (WriteFileAtomically): the target has its new contents or stays as it was;
// a run-time error naming the path when it cannot be written. The workbook
// is made by the module castovin-xlsx.so, loaded here and only here; when the
// module is missing, a run-time error that says so and nothing written.
void WriteCurveWorkbook(const std::string& path, const std::vector<CurvePoint>& points);

}  // namespace castovin
