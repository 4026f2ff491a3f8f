#pragma once
// The study file of castovin-cli risk and search and of the probabilistic
// analysis window (JSON, docs/schema/study.schema.json) and the --vary
// option, read into the core's Study, and the file of a study written.
// Anything the file may not hold is refused with the key at fault.

#include <string>

#include "core/risk/study.h"

namespace castovin {

// A study file or --vary text that cannot be read: "KEY: REASON".
struct StudyReadError {
    std::string detail;
};

// The study of a file's text; throws StudyReadError.
Study ParseStudyJson(const std::string& text);

// The file of a study, with every key in name order and two-blank indents;
// ParseStudyJson reads it back to the same study.
std::string StudyJson(const Study& study);

// FIELD=DIST:P1:P2[:P3][@MIN:MAX], a mean of "-" being the project's value;
// throws StudyReadError.
VariedInput ParseVary(const std::string& text);

}  // namespace castovin
