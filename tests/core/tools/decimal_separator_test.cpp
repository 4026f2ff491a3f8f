#include <clocale>
#include <cstdlib>
#include <filesystem>

#include <gtest/gtest.h>

#include "core/text/number_format.h"
#include "core/tools/decimal_separator.h"
#include "process.h"
#include "test_state.h"

namespace castovin {
namespace {

using test::StateTest;
using test::TempDir;

TEST(DecimalSeparator, PointLocaleIsLeftAlone)
{
    std::setlocale(LC_NUMERIC, "C");
    test::ScriptedMessageBox box;
    ProgramState state(box);
    ForceDecimalPoint(state.environment);
    EXPECT_EQ(state.environment.SavedDecimalSeparator, ".");
    EXPECT_EQ(std::string(std::setlocale(LC_NUMERIC, nullptr)), "C");
    RestoreDecimalSeparator(state.environment);
    EXPECT_EQ(std::string(std::setlocale(LC_NUMERIC, nullptr)), "C");
}

TEST(DecimalSeparator, CommaLocaleIsSwitchedForTheRunAndRestored)
{
    // A German locale built into a folder of the test's own.
    TempDir dir;
    const auto built = test::RunProcess("/usr/bin/localedef", {"-i", "de_DE", "-f", "UTF-8", dir.File("de_DE.UTF-8")});
    if (built.status != 0 && !std::filesystem::exists(dir.File("de_DE.UTF-8")))
        GTEST_SKIP() << "no locale sources: " << built.err;
    ::setenv("LOCPATH", dir.Path().c_str(), 1);
    ASSERT_NE(std::setlocale(LC_NUMERIC, "de_DE.UTF-8"), nullptr);
    ASSERT_EQ(std::string(std::localeconv()->decimal_point), ",");

    test::ScriptedMessageBox box;
    ProgramState state(box);
    ForceDecimalPoint(state.environment);
    EXPECT_EQ(state.environment.SavedDecimalSeparator, ",");
    EXPECT_EQ(std::string(std::localeconv()->decimal_point), ".");
    RestoreDecimalSeparator(state.environment);
    EXPECT_EQ(std::string(std::localeconv()->decimal_point), ",");
    // The program's own texts never depend on the locale.
    EXPECT_EQ(GeneralNumber(1.5f), "1.5");
    EXPECT_EQ(FormatNumber(2.675, "0.00"), "2.68");
    std::setlocale(LC_NUMERIC, "C");
    ::unsetenv("LOCPATH");
}

}  // namespace
}  // namespace castovin
