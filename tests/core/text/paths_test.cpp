#include <fstream>

#include <gtest/gtest.h>

#include "core/text/paths.h"
#include "test_state.h"

namespace castovin {
namespace {

using test::StateTest;
using test::TempDir;

class Paths : public StateTest {};

TEST_F(Paths, FileNamePartWithAndWithoutExtension)
{
    EXPECT_EQ(FileNamePart(state.messenger, "/data/Proj.1.VLB", true), "Proj");
    EXPECT_EQ(FileNamePart(state.messenger, "/data/Proj.1.VLB", false), "Proj.1.VLB");
    EXPECT_EQ(FileNamePart(state.messenger, "mine.vlb", false), "mine.vlb");
    EXPECT_EQ(FileNamePart(state.messenger, "/data/.profile", true), ".profile");
    EXPECT_EQ(FileNamePart(state.messenger, "", true), "");
}

TEST_F(Paths, PathEndingInSeparatorIsAnError)
{
    box.Answer(MsgResult::OK);
    EXPECT_EQ(FileNamePart(state.messenger, "/data/projects/", false), "/data/projects/");
    EXPECT_EQ(box.Count(), 1u);
    EXPECT_EQ(box.Last().text, "Error in filename: /data/projects/");
}

TEST_F(Paths, FileExistsSeesOrdinaryVisibleFilesAndPatterns)
{
    TempDir dir;
    std::ofstream(dir.File("mine.vlb")) << "x";
    std::ofstream(dir.File(".hidden.vlb")) << "x";
    EXPECT_TRUE(FileExists(dir.File("mine.vlb")));
    EXPECT_FALSE(FileExists(dir.File("other.vlb")));
    EXPECT_FALSE(FileExists(dir.File(".hidden.vlb")));
    EXPECT_FALSE(FileExists(dir.Path().string()));
    EXPECT_TRUE(FileExists(dir.File("*.vlb")));
    EXPECT_FALSE(FileExists(dir.File("*.ini")));
}

TEST_F(Paths, ValidPathAcceptsFilesAndFolders)
{
    TempDir dir;
    std::ofstream(dir.File("mine.vlb")) << "x";
    EXPECT_TRUE(ValidPath(state.messenger, dir.File("mine.vlb"), false));
    EXPECT_TRUE(ValidPath(state.messenger, dir.Path().string() + "/", false));
    EXPECT_FALSE(ValidPath(state.messenger, dir.File("missing/"), false));
    EXPECT_EQ(box.Count(), 0u);
}

TEST_F(Paths, ValidPathReportsAPathTheSystemRefuses)
{
    const std::string tooLong(5000, 'n');
    box.Answer(MsgResult::OK);
    EXPECT_FALSE(ValidPath(state.messenger, tooLong, false));
    EXPECT_EQ(box.Last().text, "Invalid path: " + tooLong);
    EXPECT_FALSE(ValidPath(state.messenger, tooLong, true));
    EXPECT_EQ(box.Count(), 1u);
}

}  // namespace
}  // namespace castovin
