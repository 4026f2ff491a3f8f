#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/tools/file_association.h"
#include "test_state.h"
#include "test_text.h"

namespace castovin {
namespace {

using test::ReadFile;
using test::TempDir;

// The lines that decide which files the desktop gives to the program: the
// type and its globs, blanks around them left out.
std::vector<std::string> TypeAndGlobLines(const std::string& xml)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < xml.size()) {
        std::size_t end = xml.find('\n', start);
        if (end == std::string::npos)
            end = xml.size();
        std::string line = xml.substr(start, end - start);
        start = end + 1;
        const std::size_t first = line.find_first_not_of(" \t");
        if (first == std::string::npos)
            continue;
        line = line.substr(first, line.find_last_not_of(" \t\r") + 1 - first);
        if (line.rfind("<mime-type ", 0) == 0 || line.rfind("<glob ", 0) == 0)
            lines.push_back(line);
    }
    return lines;
}

TEST(MimePackage, InstalledPackageMatchesTheOptionsDialogRegistration)
{
    // The package installed to share/mime/packages and the one the Options
    // dialog writes for the user must claim the same files for the same type.
    const std::string installed = ReadFile(CASTOVIN_MIME_PACKAGE);
    TempDir dir;
    const FileAssociation a = RegisterFileType(dir.File("share"), "/usr/bin/", "castovin", "VLB");
    ASSERT_TRUE(a.written);
    const std::vector<std::string> expected = {
        "<mime-type type=\"application/x-castovin.document\">",
        "<glob pattern=\"*.VLB\" case-sensitive=\"true\"/>",
        "<glob pattern=\"*.vlb\" case-sensitive=\"true\"/>",
    };
    EXPECT_EQ(TypeAndGlobLines(installed), expected);
    EXPECT_EQ(TypeAndGlobLines(ReadFile(a.mimePackage)), expected);
}

}  // namespace
}  // namespace castovin
