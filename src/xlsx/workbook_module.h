#pragma once
// The one entry of the workbook writer module (castovin-xlsx.so). The module
// carries libxlsxwriter and, through it, libcrypto, libminizip and zlib; it is
// loaded only when a workbook is written, so that every other run of the
// programs starts without those libraries. A plain C interface: nothing of
// the C++ runtime crosses between the program and the module.

#include <stddef.h>

// The file name of the module and the name of its entry.
#define CASTOVIN_XLSX_MODULE_FILE "castovin-xlsx.so"
#define CASTOVIN_XLSX_ENTRY_NAME "castovin_xlsx_write_curve"

extern "C" {

// Writes a workbook to `file` (a new file in a folder of the caller's own):
// A1 "X-coord", B1 "Sug.VELB", then xs[j] in column A and ys[j] in column B
// from row 2 down. Returns 0, or an errno value when it could not be written.
typedef int (*CastovinXlsxWriteCurve)(const char* file, const double* xs, const double* ys, size_t count);

__attribute__((visibility("default"))) int castovin_xlsx_write_curve(const char* file, const double* xs,
                                                                     const double* ys, size_t count);
}
