#pragma once
// A fresh program state per test case, initialised as the program starts,
// with a scripted message box and a temporary folder.

#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <string>

#include <gtest/gtest.h>

#include "core/program/program_state.h"
#include "core/program/startup.h"
#include "scripted_message_box.h"

namespace castovin::test {

// A folder removed with everything in it when the test ends.
class TempDir {
public:
    TempDir()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "castovin-test-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr)
            throw std::runtime_error("mkdtemp failed");
        m_path = pattern;
    }
    ~TempDir()
    {
        std::error_code ec;
        std::filesystem::permissions(m_path, std::filesystem::perms::owner_all, std::filesystem::perm_options::add, ec);
        std::filesystem::remove_all(m_path, ec);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& Path() const { return m_path; }
    std::string File(const std::string& name) const { return (m_path / name).string(); }

private:
    std::filesystem::path m_path;
};

class StateTest : public ::testing::Test {
protected:
    StateTest() : state(box)
    {
        StartupOptions options;
        options.executablePath = "/opt/castovin/castovin";
        options.appFolder = "/opt/castovin/";
        options.detached = true;
        options.keepHistory = true;
        StartProgram(state, options);
    }
    void TearDown() override { EXPECT_TRUE(box.ScriptUsedUp()) << "scripted answers left over"; }

    ScriptedMessageBox box;
    ProgramState state;
};

}  // namespace castovin::test
