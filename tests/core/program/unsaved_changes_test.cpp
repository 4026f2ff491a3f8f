#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/files/project_file.h"
#include "core/program/program_state.h"
#include "core/program/startup.h"
#include "core/program/unsaved_changes.h"
#include "core/text/runtime_error.h"
#include "scripted_message_box.h"
#include "test_state.h"
#include "test_text.h"

namespace castovin {
namespace {

using test::ReadFile;
using test::ScriptedMessageBox;
using test::TempDir;

enum class Step { Open, New, End };

struct Case {
    const char* name;
    Step step;
    bool changed;                       // the project has unsaved changes
    bool untitled;                      // it has no file yet
    MsgResult answer;                   // to the save-changes question
    std::optional<std::string> chosen;  // the Save As answer (no folder: the data folder)
    bool goesOn;
    const char* savedAs;  // where the changes were written; "" for nowhere
};

// A started program with a changed project "old.vlb" (or "Untitled") and a
// project "next.vlb" to open, in a folder of its own.
struct Scene {
    ScriptedMessageBox box;
    ProgramState state{box};
    TempDir dir;
    std::vector<std::string> questions;

    explicit Scene(const Case& c)
    {
        StartupOptions options;
        options.executablePath = "/opt/castovin/castovin";
        options.detached = true;
        options.keepHistory = true;
        StartProgram(state, options);
        state.environment.Settings.DataPath = dir.File("");
        FileSave(state.project, dir.File("next.vlb"), state.messenger);
        state.project.ProjectFilePath = c.untitled ? "Untitled" : dir.File("old.vlb");
        state.project.ProjectTitle = "changed";
        state.project.ProjectSaved = c.changed ? FlagFalse : FlagTrue;
    }

    bool Run(const Case& c)
    {
        SaveDialogs dialogs;
        dialogs.ask = [&](const std::string& text, MsgStyle, const std::string&) {
            questions.push_back(text);
            return c.answer;
        };
        dialogs.askName = [&] { return c.chosen; };
        dialogs.trapped = [](const std::function<void()>& step) {
            try {
                step();
                return true;
            } catch (const RuntimeError&) {
                return false;
            }
        };
        const std::string own = state.project.ProjectFilePath;
        switch (c.step) {
        case Step::Open:
            return LoadProjFile(state, own, dir.File("next.vlb"), dialogs);
        case Step::New:
            return AskToSaveChanges(state, own, true, dialogs);
        case Step::End:
            return QueryUnload(state, dialogs);
        }
        return false;
    }
};

const Case kCases[] = {
    {"unchanged: no question", Step::Open, false, false, MsgResult::Yes, std::nullopt, true, ""},
    {"open after No", Step::Open, true, false, MsgResult::No, std::nullopt, true, ""},
    {"open after a save under the old path", Step::Open, true, false, MsgResult::Yes, std::nullopt, true, "old.vlb"},
    {"open after a cancelled Save As", Step::Open, true, true, MsgResult::Yes, std::nullopt, true, ""},
    {"new after a save to the data folder", Step::New, true, true, MsgResult::Yes, "chosen.vlb", true, "chosen.vlb"},
    {"new stopped by a cancelled Save As", Step::New, true, true, MsgResult::Yes, std::nullopt, false, ""},
    {"end after No", Step::End, true, false, MsgResult::No, std::nullopt, true, ""},
    {"end stopped by Cancel", Step::End, true, false, MsgResult::Cancel, std::nullopt, false, ""},
    {"end after a save", Step::End, true, false, MsgResult::Yes, std::nullopt, true, "old.vlb"},
    {"end stopped by a cancelled Save As", Step::End, true, true, MsgResult::Yes, std::nullopt, false, ""},
};

TEST(UnsavedChanges, AskSaveAndGoOn)
{
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        Scene scene(c);
        EXPECT_EQ(scene.Run(c), c.goesOn);
        const std::string own = c.untitled ? "Untitled" : scene.dir.File("old.vlb");
        const std::vector<std::string> asked =
            c.changed ? std::vector<std::string>{"Save changes to: " + own + "?"} : std::vector<std::string>{};
        EXPECT_EQ(scene.questions, asked);
        const bool saved = *c.savedAs != '\0';
        EXPECT_EQ(saved && ReadFile(scene.dir.File(c.savedAs)).find("\r\nchanged\r\n") != std::string::npos, saved);
        EXPECT_EQ(std::filesystem::exists(scene.dir.File("old.vlb")), std::string(c.savedAs) == "old.vlb");
        if (c.step == Step::Open) {
            EXPECT_EQ(scene.state.project.ProjectFilePath, scene.dir.File("next.vlb"));
        }
        // The questions leave the history log alone.
        EXPECT_EQ(scene.state.messenger.History.Text().find("Save changes"), std::string::npos);
    }
}

}  // namespace
}  // namespace castovin
