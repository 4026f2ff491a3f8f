#include <filesystem>

#include <gtest/gtest.h>

#include "core/tools/file_association.h"
#include "test_state.h"
#include "test_text.h"

namespace castovin {
namespace {

using test::Contains;
using test::ReadFile;
using test::TempDir;

TEST(FileAssociation, WritesMimePackageAndDesktopEntry)
{
    TempDir dir;
    const std::string data = dir.File("share");
    const FileAssociation a = RegisterFileType(data, "/opt/castovin/", "castovin", "VLB");
    ASSERT_TRUE(a.written);
    EXPECT_EQ(a.mimeType, "application/x-castovin.document");
    EXPECT_EQ(a.comment, "castovin Document");
    EXPECT_EQ(a.command, "/opt/castovin/castovin %f");
    const std::string mime = ReadFile(data + "/mime/packages/castovin.xml");
    EXPECT_TRUE(Contains(mime, "<mime-type type=\"application/x-castovin.document\">"));
    EXPECT_TRUE(Contains(mime, "<comment>castovin Document</comment>"));
    EXPECT_TRUE(Contains(mime, "<glob pattern=\"*.VLB\""));
    EXPECT_TRUE(Contains(mime, "<glob pattern=\"*.vlb\""));
    const std::string desktop = ReadFile(data + "/applications/castovin.desktop");
    EXPECT_TRUE(Contains(desktop, "\nExec=/opt/castovin/castovin %f\n"));
    EXPECT_TRUE(Contains(desktop, "\nMimeType=application/x-castovin.document;\n"));
}

TEST(FileAssociation, ExecLineEscapes)
{
    // Desktop-entry rules: inside quotes '"', '`', '$' and '\' take a
    // backslash, every backslash is then written twice (string value), and
    // a literal '%' is written twice.
    TempDir dir;
    const auto exec = [&dir](const std::string& folder) {
        const FileAssociation a = RegisterFileType(dir.File("share"), folder, "castovin", "VLB");
        EXPECT_TRUE(a.written) << folder;
        const std::string desktop = ReadFile(dir.File("share") + "/applications/castovin.desktop");
        const std::size_t at = desktop.find("\nExec=") + 6;
        EXPECT_EQ(desktop.substr(at, desktop.find('\n', at) - at), a.command);
        return a.command;
    };
    EXPECT_EQ(exec("/home/u/my apps/"), "\"/home/u/my apps/castovin\" %f");
    EXPECT_EQ(exec("/home/u/o\"neil/"), "\"/home/u/o\\\\\"neil/castovin\" %f");
    EXPECT_EQ(exec("/opt/100%/"), "\"/opt/100%%/castovin\" %f");
    EXPECT_EQ(exec("/opt/a\\b/"), "\"/opt/a\\\\\\\\b/castovin\" %f");
    EXPECT_EQ(exec("/opt/$HOME/"), "\"/opt/\\\\$HOME/castovin\" %f");
}

TEST(FileAssociation, ControlCharacterInThePathIsRefused)
{
    // A line break would give the entry a second Exec line of its own.
    TempDir dir;
    const FileAssociation a = RegisterFileType(dir.File("share"), "/tmp/x\nExec=/bin/evil\n/", "castovin", "VLB");
    EXPECT_FALSE(a.written);
    EXPECT_EQ(a.refusal,
              "The file association cannot be made: the program path /tmp/x\\x0AExec=/bin/evil\\x0A/castovin "
              "holds a line break or another control character.");
    EXPECT_FALSE(std::filesystem::exists(dir.File("share")));
    EXPECT_EQ(RegisterFileType(dir.File("share"), "/opt/\t/", "castovin", "VLB").written, false);
    EXPECT_TRUE(RegisterFileType(dir.File("share"), "/opt/", "castovin", "VLB").refusal.empty());
}

TEST(FileAssociation, NamesAreEscapedInTheEntryAndThePackage)
{
    TempDir dir;
    const FileAssociation a = RegisterFileType(dir.File("share"), "/opt/", "R&D\\<x>", "VLB");
    ASSERT_TRUE(a.written);
    const std::string mime = ReadFile(a.mimePackage);
    EXPECT_TRUE(Contains(mime, "<mime-type type=\"application/x-r&amp;d\\&lt;x&gt;.document\">"));
    EXPECT_TRUE(Contains(mime, "<comment>R&amp;D\\&lt;x&gt; Document</comment>"));
    const std::string desktop = ReadFile(a.desktopEntry);
    EXPECT_TRUE(Contains(desktop, "\nComment=R&D\\\\<x> Document\n"));
    EXPECT_TRUE(Contains(desktop, "\nMimeType=application/x-r&d\\\\<x>.document;\n"));
}

TEST(FileAssociation, DataHome)
{
    EXPECT_EQ(UserDataHome("/x/data", "/home/u"), "/x/data");
    EXPECT_EQ(UserDataHome("", "/home/u"), "/home/u/.local/share");
    EXPECT_EQ(UserDataHome("relative", "/home/u"), "/home/u/.local/share");
    EXPECT_EQ(UserDataHome("", ""), "");
    const FileAssociation nowhere = RegisterFileType("", "/opt/", "castovin", "VLB");
    EXPECT_FALSE(nowhere.written);
}

}  // namespace
}  // namespace castovin
