#pragma once
// The study of a project that the probabilistic window opens with and the
// design search's minimum probability goes by: the one the window kept in
// the run for the project, or else the study file last saved or opened for
// it (remembered in the settings file's [Studies] group). The study is held
// as the study file's text, which the study file library reads.

#include <cstddef>
#include <string>

namespace castovin {

struct Environment;
struct Messenger;

// The most a study file may hold; a study is a few hundred bytes.
inline constexpr std::size_t MaxStudyFileBytes = 1u << 20;

struct ProjectStudy {
    std::string text;        // empty: the project has no study
    std::string file;        // the file it comes from; empty when kept in the run
    std::string unreadable;  // why `file` cannot be read (then `text` is empty)
};
ProjectStudy StudyOfProject(const Environment& env, const std::string& projectFile);

// Keeps `text` as the project's study for the run; "" leaves it none.
void KeepProjectStudy(Environment& env, const std::string& projectFile, std::string text);
// A new project has no study of its own yet.
void ForgetKeptStudy(Environment& env);

// Remembers `studyFile` as the project's study file and saves [Studies];
// nothing for a project without a file of its own ("Untitled").
void RememberProjectStudyFile(Environment& env, Messenger& messenger, const std::string& projectFile,
                              const std::string& studyFile);

}  // namespace castovin
