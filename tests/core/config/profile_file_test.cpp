#include <fstream>
#include <sstream>

#include <gtest/gtest.h>

#include "config/profile_file.h"
#include "test_state.h"

namespace castovin {
namespace {

using test::TempDir;

TEST(ProfileFile, NamesMatchWithoutCaseAndBlanks)
{
    const ProfileFile ini("; settings of Castovin\r\n[ settings ]\r\n  maxDisplaySize = 8192 \r\n[Other]\r\nx=1\r\n");
    EXPECT_EQ(ini.Read("Settings", "MaxDisplaySize"), "8192");
    EXPECT_EQ(ini.Read("SETTINGS", " maxdisplaysize "), "8192");
    EXPECT_EQ(ini.Read("Settings", "x"), std::nullopt);
    EXPECT_EQ(ini.Read("Missing", "x"), std::nullopt);
}

TEST(ProfileFile, ValuesLoseBlanksAndOnePairOfQuotes)
{
    const ProfileFile ini("[S]\na=  \"quoted value\"  \nb='single'\nc=\"\"twice\"\"\nd=\"unbalanced\ne=\nf\n");
    EXPECT_EQ(ini.Read("S", "a"), "quoted value");
    EXPECT_EQ(ini.Read("S", "b"), "single");
    EXPECT_EQ(ini.Read("S", "c"), "\"twice\"");
    EXPECT_EQ(ini.Read("S", "d"), "\"unbalanced");
    EXPECT_EQ(ini.Read("S", "e"), "");
    EXPECT_EQ(ini.Read("S", "f"), std::nullopt);
}

TEST(ProfileFile, ReadsAtMost254Characters)
{
    const std::string value(300, 'v');
    const ProfileFile ini("[S]\nk=" + value + "\n");
    EXPECT_EQ(ini.Read("S", "k"), std::string(254, 'v'));
}

TEST(ProfileFile, WritesInPlaceAtTheEndOfTheSectionOrAsANewSection)
{
    ProfileFile ini("; keep me\r\n[A]\r\nfirst=1\r\nsecond=2\r\n\r\n[Foreign]\r\nkey=untouched\r\n");
    ini.Write("a", "SECOND", "20");
    ini.Write("A", "third", "3");
    ini.Write("New", "k", "v");
    EXPECT_EQ(
        ini.Text(),
        "; keep me\r\n[A]\r\nfirst=1\r\nSECOND=20\r\nthird=3\r\n\r\n[Foreign]\r\nkey=untouched\r\n[New]\r\nk=v\r\n");
}

TEST(ProfileFile, MissingFileIsEmptyAndCreatedOnSave)
{
    TempDir dir;
    ProfileFile ini = ProfileFile::Load(dir.File("VELB.INI"));
    EXPECT_EQ(ini.Text(), "");
    ini.Write("Version", "INIFileVersion", "050817");
    ASSERT_TRUE(ini.Save(dir.File("VELB.INI")));
    EXPECT_EQ(ProfileFile::Load(dir.File("VELB.INI")).Read("version", "inifileversion"), "050817");
}

TEST(ProfileFile, SaveIntoAMissingFolderFails)
{
    TempDir dir;
    ProfileFile ini;
    ini.Write("S", "k", "v");
    EXPECT_FALSE(ini.Save(dir.File("missing/VELB.INI")));
}

}  // namespace
}  // namespace castovin
