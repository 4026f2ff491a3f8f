// The project-file reader on any bytes: it never crashes, and whatever it
// reads, the writer writes so that reading and writing it again gives the
// same bytes.

#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "core/files/project_file.h"
#include "core/text/description.h"
#include "core/text/runtime_error.h"
#include "core/text/unicode.h"

using namespace castovin;

namespace {

bool Read(std::string_view text, Project& data)
{
    try {
        return ParseProjectFile(text, "fuzz.vlb", data) == ParseOutcome::Read;
    } catch (const RuntimeError&) {
        return false;
    }
}

std::string Written(Project data)
{
    NormaliseDescription(data.ProjectDescription);
    return ProjectFileText(data);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size)
{
    const std::string text = DecodeFileText(std::string_view(reinterpret_cast<const char*>(bytes), size));
    Project first;
    if (!Read(text, first))
        return 0;
    const std::string once = Written(first);
    Project second;
    if (!Read(once, second))
        std::abort();  // the reader refuses what the writer wrote
    // What the writer wrote reads back to the same project, so writing it
    // again gives the same bytes; two written forms compared cost one read
    // fewer than a third reading would.
    if (Written(second) != once)
        std::abort();  // writing is not stable
    return 0;
}
