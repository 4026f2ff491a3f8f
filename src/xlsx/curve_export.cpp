#include "xlsx/curve_export.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>
#include <random>
#include <xlsxwriter.h>

#include "text/io_errors.h"
#include "text/number_format.h"
#include "text/paths.h"
#include "text/runtime_error.h"

namespace castovin {

std::string CurveCsv(const std::vector<CurvePoint>& points)
{
    std::string out = "X-coord,Sug.VELB\n";
    for (const CurvePoint& p : points)
        out += GeneralNumber(p.x) + "," + GeneralNumber(p.y) + "\n";
    return out;
}

namespace {

std::string TemporaryName(const std::string& path)
{
    std::random_device seed;
    std::mt19937 random(seed());
    const std::string folder = FolderPart(path);
    return folder + "." + BaseName(path) + "." + std::to_string(random() % 1000000) + ".tmp.xlsx";
}

}  // namespace

void WriteCurveWorkbook(const std::string& path, const std::vector<CurvePoint>& points)
{
    const std::string temp = TemporaryName(path);
    // Claim the temporary file first, so that a folder we cannot write to is
    // reported here rather than by the library on its own.
    const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0)
        ThrowFileError(errno, true, path);
    ::close(fd);
    lxw_workbook* workbook = workbook_new(temp.c_str());
    if (workbook == nullptr) {
        std::remove(temp.c_str());
        ThrowFileError(ENOMEM, true, path);
    }
    lxw_worksheet* sheet = workbook_add_worksheet(workbook, nullptr);
    for (std::size_t j = 0; j < points.size(); ++j) {
        const auto row = static_cast<lxw_row_t>(j + 1);
        worksheet_write_number(sheet, row, 0, static_cast<double>(points[j].x), nullptr);
        worksheet_write_number(sheet, row, 1, static_cast<double>(points[j].y), nullptr);
    }
    worksheet_write_string(sheet, 0, 0, "X-coord", nullptr);
    worksheet_write_string(sheet, 0, 1, "Sug.VELB", nullptr);
    const lxw_error result = workbook_close(workbook);
    if (result != LXW_NO_ERROR) {
        std::remove(temp.c_str());
        ThrowFileError(result == LXW_ERROR_CREATING_XLSX_FILE ? EACCES : EIO, true, path);
    }
    if (std::rename(temp.c_str(), path.c_str()) != 0) {
        const int error = errno;
        std::remove(temp.c_str());
        ThrowFileError(error, true, path);
    }
}

}  // namespace castovin
