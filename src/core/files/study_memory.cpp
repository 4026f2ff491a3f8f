#include "core/files/study_memory.h"

#include "core/config/environment.h"
#include "core/config/settings_file.h"
#include "core/files/lifecycle.h"
#include "core/text/atomic_file.h"
#include "core/text/runtime_error.h"

namespace castovin {

ProjectStudy StudyOfProject(const Environment& env, const std::string& projectFile)
{
    if (!env.StudyText.empty() && env.StudyProjectFile == projectFile)
        return {env.StudyText, {}, {}};
    if (PathNeedsName(projectFile))
        return {};
    const std::string file = RememberedStudyFile(env.Settings, projectFile);
    if (file.empty())
        return {};
    try {
        return {ReadWholeFile(file, MaxStudyFileBytes), file, {}};
    } catch (const RuntimeError& error) {
        return {{}, file, error.description()};  // moved or unreadable since
    }
}

void KeepProjectStudy(Environment& env, const std::string& projectFile, std::string text)
{
    env.StudyProjectFile = projectFile;
    env.StudyText = std::move(text);
}

void ForgetKeptStudy(Environment& env)
{
    env.StudyProjectFile.clear();
    env.StudyText.clear();
}

void RememberProjectStudyFile(Environment& env, Messenger& messenger, const std::string& projectFile,
                              const std::string& studyFile)
{
    if (PathNeedsName(projectFile))
        return;
    RememberStudy(env.Settings, projectFile, studyFile);
    SaveSettings(env, messenger, SettingsGroup::Studies);
}

}  // namespace castovin
