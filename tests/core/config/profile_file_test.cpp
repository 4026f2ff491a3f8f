#include <fstream>
#include <sstream>

#include <gtest/gtest.h>

#include "core/config/profile_file.h"
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

TEST(ProfileFile, EveryLineEndEndsALine)
{
    for (const char* end : {"\r\n", "\n", "\r"}) {
        const std::string e = end;
        const ProfileFile ini("[A]" + e + "k=1" + e + e + "[B]" + e + "k=2" + e);
        EXPECT_EQ(ini.Read("A", "k"), "1") << "line end " << testing::PrintToString(e);
        EXPECT_EQ(ini.Read("B", "k"), "2") << "line end " << testing::PrintToString(e);
        EXPECT_EQ(ini.Text(), "[A]\r\nk=1\r\n\r\n[B]\r\nk=2\r\n") << "line end " << testing::PrintToString(e);
    }
    // Mixed in one file, and a last line without an end.
    const ProfileFile mixed("[A]\rk=1\n\r\nj=2\r\r[B]\nk=3");
    EXPECT_EQ(mixed.Read("A", "j"), "2");
    EXPECT_EQ(mixed.Read("B", "k"), "3");
    EXPECT_EQ(mixed.Text(), "[A]\r\nk=1\r\n\r\nj=2\r\n\r\n[B]\r\nk=3\r\n");
}

TEST(ProfileFile, TheFirstOfRepeatedSectionsAndKeysIsReadAndWritten)
{
    ProfileFile ini("[A]\r\nk=1\r\nk=2\r\n[B]\r\nx=0\r\n[a]\r\nk=3\r\nonly=4\r\n");
    EXPECT_EQ(ini.Read("A", "k"), "1");
    EXPECT_EQ(ini.Read("A", "only"), std::nullopt);
    EXPECT_TRUE(ini.Write("A", "K", "9"));
    EXPECT_TRUE(ini.Write("A", "new", "5"));
    EXPECT_EQ(ini.Text(), "[A]\r\nK=9\r\nk=2\r\nnew=5\r\n[B]\r\nx=0\r\n[a]\r\nk=3\r\nonly=4\r\n");
}

TEST(ProfileFile, EntriesBeforeTheFirstSectionBelongToNone)
{
    ProfileFile ini("k=1\r\n[A]\r\n");
    EXPECT_EQ(ini.Read("", "k"), std::nullopt);
    EXPECT_TRUE(ini.Write("A", "k", "2"));
    EXPECT_EQ(ini.Text(), "k=1\r\n[A]\r\nk=2\r\n");
}

TEST(ProfileFile, WritesNothingThatWouldNotReadBackAsWritten)
{
    const std::string before = "[FileMenu]\r\nLastFile1=a.vlb\r\n";
    struct Case {
        const char* section;
        const char* key;
        std::string value;
    };
    const Case refused[] = {
        {"FileMenu", "LastFile1", "p\r\n[TextBrowse]\r\nBrowseUseNotepad=1"},
        {"FileMenu", "LastFile1", "p\n[TextBrowse]"},
        {"FileMenu", "LastFile1", "p\r[TextBrowse]"},
        {"FileMenu", "LastFile1", "tab\there"},
        {"FileMenu", "LastFile1", "esc\x1b[2J"},
        {"FileMenu", "LastFile1", "del\x7f"},
        {"FileMenu", "LastFile1", std::string("nul\0after", 9)},
        {"FileMenu", "Last\nFile1", "v"},
        {"FileMenu", "a=b", "v"},
        {"FileMenu", " [TextBrowse", "v"},
        {"File]Menu", "k", "v"},
        {"File\rMenu", "k", "v"},
    };
    for (const Case& c : refused) {
        ProfileFile ini(before);
        EXPECT_FALSE(ini.Write(c.section, c.key, c.value)) << testing::PrintToString(c.value);
        EXPECT_EQ(ini.Text(), before) << testing::PrintToString(c.value);
    }
    // What the format can carry is written as it is.
    ProfileFile ini(before);
    EXPECT_TRUE(ini.Write("FileMenu", "LastFile1", "/p/\xE2\x82\xAC \"x\"=[y];z.vlb"));
    EXPECT_EQ(ini.Read("FileMenu", "LastFile1"), "/p/\xE2\x82\xAC \"x\"=[y];z.vlb");
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
