// The workbook writer module: the only code that talks to libxlsxwriter.
#include "xlsx/workbook_module.h"

#include <cerrno>
#include <xlsxwriter.h>

extern "C" int castovin_xlsx_write_curve(const char* file, const double* xs, const double* ys, size_t count)
{
    lxw_workbook* workbook = workbook_new(file);
    if (workbook == nullptr)
        return ENOMEM;
    lxw_worksheet* sheet = workbook_add_worksheet(workbook, nullptr);
    if (sheet == nullptr) {
        workbook_close(workbook);
        return ENOMEM;
    }
    for (size_t j = 0; j < count; ++j) {
        const auto row = static_cast<lxw_row_t>(j + 1);
        worksheet_write_number(sheet, row, 0, xs[j], nullptr);
        worksheet_write_number(sheet, row, 1, ys[j], nullptr);
    }
    worksheet_write_string(sheet, 0, 0, "X-coord", nullptr);
    worksheet_write_string(sheet, 0, 1, "Sug.VELB", nullptr);
    return workbook_close(workbook) == LXW_NO_ERROR ? 0 : EIO;
}
