#include "xlsx/curve_export.h"

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <xlsxwriter.h>

#include "text/atomic_file.h"
#include "text/io_errors.h"
#include "text/number_format.h"

namespace castovin {

std::string CurveCsv(const std::vector<CurvePoint>& points)
{
    std::string out = "X-coord,Sug.VELB\n";
    for (const CurvePoint& p : points)
        out += GeneralNumber(p.x) + "," + GeneralNumber(p.y) + "\n";
    return out;
}

namespace {

// A folder of our own under the system's temporary folder, removed with what
// it holds. The workbook library writes its file there, where no other user
// can interfere and nothing about the target can make it fail.
class PrivateFolder {
public:
    PrivateFolder()
    {
        std::error_code ec;
        std::string pattern = (std::filesystem::temp_directory_path(ec) / "castovin-XXXXXX").string();
        if (ec)
            pattern = "/tmp/castovin-XXXXXX";
        if (::mkdtemp(pattern.data()) == nullptr)
            m_error = errno;
        else
            m_path = pattern;
    }
    ~PrivateFolder()
    {
        std::error_code ec;
        if (!m_path.empty())
            std::filesystem::remove_all(m_path, ec);
    }
    PrivateFolder(const PrivateFolder&) = delete;
    PrivateFolder& operator=(const PrivateFolder&) = delete;

    const std::string& path() const { return m_path; }
    int error() const { return m_error; }

private:
    std::string m_path;
    int m_error = 0;
};

// The workbook's bytes, made by the library in a private folder.
std::string WorkbookBytes(const std::vector<CurvePoint>& points, const std::string& path)
{
    const PrivateFolder folder;
    if (folder.path().empty())
        ThrowFileError(folder.error(), true, path);
    const std::string file = folder.path() + "/curve.xlsx";
    lxw_workbook* workbook = workbook_new(file.c_str());
    if (workbook == nullptr)
        ThrowFileError(ENOMEM, true, path);
    lxw_worksheet* sheet = workbook_add_worksheet(workbook, nullptr);
    for (std::size_t j = 0; j < points.size(); ++j) {
        const auto row = static_cast<lxw_row_t>(j + 1);
        worksheet_write_number(sheet, row, 0, static_cast<double>(points[j].x), nullptr);
        worksheet_write_number(sheet, row, 1, static_cast<double>(points[j].y), nullptr);
    }
    worksheet_write_string(sheet, 0, 0, "X-coord", nullptr);
    worksheet_write_string(sheet, 0, 1, "Sug.VELB", nullptr);
    if (workbook_close(workbook) != LXW_NO_ERROR)
        ThrowFileError(EIO, true, path);
    return ReadWholeFile(file);
}

}  // namespace

void WriteCurveWorkbook(const std::string& path, const std::vector<CurvePoint>& points)
{
    // The target is written as projects are: through a temporary file beside
    // it, with the same refusals (read-only file, foreign link, ...).
    WriteFileAtomically(path, WorkbookBytes(points, path));
}

}  // namespace castovin
