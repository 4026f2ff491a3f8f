#include <filesystem>

#include <gtest/gtest.h>

#include "test_state.h"
#include "test_text.h"
#include "tools/file_association.h"

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

TEST(FileAssociation, ProgramFolderWithBlanksIsQuoted)
{
    TempDir dir;
    const FileAssociation a = RegisterFileType(dir.File("share"), "/home/u/my apps/", "castovin", "VLB");
    EXPECT_EQ(a.command, "\"/home/u/my apps/castovin\" %f");
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
