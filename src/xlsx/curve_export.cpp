#include "xlsx/curve_export.h"

#include <cerrno>
#include <cstdlib>
#include <dlfcn.h>
#include <filesystem>
#include <unistd.h>

#include "core/config/folders.h"
#include "core/text/atomic_file.h"
#include "core/text/io_errors.h"
#include "core/text/number_format.h"
#include "core/text/runtime_error.h"
#include "xlsx/workbook_module.h"

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

// The loaded module, unloaded when done with.
class WorkbookModule {
public:
    WorkbookModule()
    {
        const std::vector<std::string> folders =
            ModuleFolders(CASTOVIN_XLSX_INSTALL_RELDIR, CASTOVIN_XLSX_BUILD_RELDIR);
        for (const std::string& folder : folders) {
            const std::string file = folder + "/" CASTOVIN_XLSX_MODULE_FILE;
            if (::access(file.c_str(), F_OK) != 0)
                continue;
            m_handle = ::dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL);
            if (m_handle == nullptr)
                throw RuntimeError(err::FileNotFound,
                                   "The workbook writer " + file + " cannot be loaded: " + ::dlerror());
            m_write = reinterpret_cast<CastovinXlsxWriteCurve>(::dlsym(m_handle, CASTOVIN_XLSX_ENTRY_NAME));
            if (m_write == nullptr)
                throw RuntimeError(err::FileNotFound,
                                   "The workbook writer " + file + " has no entry " CASTOVIN_XLSX_ENTRY_NAME);
            return;
        }
        throw RuntimeError(err::FileNotFound, "The workbook writer " CASTOVIN_XLSX_MODULE_FILE
                                              " is not installed (looked in " +
                                                  folders.front() + ")");
    }
    ~WorkbookModule()
    {
        if (m_handle != nullptr)
            ::dlclose(m_handle);
    }
    WorkbookModule(const WorkbookModule&) = delete;
    WorkbookModule& operator=(const WorkbookModule&) = delete;

    int write(const std::string& file, const std::vector<CurvePoint>& points) const
    {
        std::vector<double> xs, ys;
        xs.reserve(points.size());
        ys.reserve(points.size());
        // Each float as the double of its shortest decimal, which the sheet
        // then shows as the CSV does (10.28609, not 10.28609085083008).
        for (const CurvePoint& p : points) {
            xs.push_back(std::strtod(GeneralNumber(p.x).c_str(), nullptr));
            ys.push_back(std::strtod(GeneralNumber(p.y).c_str(), nullptr));
        }
        return m_write(file.c_str(), xs.data(), ys.data(), points.size());
    }

private:
    void* m_handle = nullptr;
    CastovinXlsxWriteCurve m_write = nullptr;
};

// The workbook's bytes, made by the module in a private folder. The module is
// loaded first, so that a missing module is reported before anything else.
std::string WorkbookBytes(const std::vector<CurvePoint>& points, const std::string& path)
{
    const WorkbookModule module;
    const PrivateFolder folder;
    if (folder.path().empty())
        ThrowFileError(folder.error(), true, path);
    const std::string file = folder.path() + "/curve.xlsx";
    if (const int error = module.write(file, points); error != 0)
        ThrowFileError(error, true, path);
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
