#include "core/files/project_file.h"

#include <cmath>
#include <limits>
#include <optional>
#include <vector>

#include "core/config/environment.h"
#include "core/files/lifecycle.h"
#include "core/text/atomic_file.h"
#include "core/text/description.h"
#include "core/text/messages.h"
#include "core/text/number_format.h"
#include "core/text/paths.h"
#include "core/text/runtime_error.h"
#include "core/text/text_format.h"
#include "core/text/unicode.h"

namespace castovin {

namespace {

constexpr std::string_view kStartDesc = "##StartDesc##";
constexpr std::string_view kEndDesc = "##EndDesc##";

// How a value is written: the file number text, or the direct number text
// with a blank (or "-") before it and a blank after it.
enum class Form { FileNumber, Direct };

// Calls visit(field, form) for the 45 values of the file, in file order.
template <typename Data, typename Visit> void VisitValueFields(Data& d, Visit visit)
{
    auto& s0 = d.Support[0];
    auto& s1 = d.Support[1];
    auto& c = d.Cost;
    visit(s0.CMRR, Form::FileNumber);
    visit(s0.DepthofCover, Form::FileNumber);
    visit(s0.UnitWeight, Form::FileNumber);
    visit(s0.StabilityFactor, Form::FileNumber);
    visit(s0.ActualBoltLength, Form::FileNumber);
    visit(s0.BoltDiameter, Form::FileNumber);
    visit(s0.BoltGrade, Form::FileNumber);
    visit(s0.BoltsPerRow, Form::Direct);
    visit(s0.RowSpacing, Form::FileNumber);
    visit(s0.ActualInterSpan, Form::FileNumber);
    visit(s0.EntryWidth, Form::FileNumber);
    visit(s0.NumberOfSystems, Form::Direct);
    visit(s0.SecondSystemType, Form::FileNumber);
    visit(s0.SecondSystemLocation, Form::FileNumber);
    visit(s1.ActualBoltLength, Form::FileNumber);
    visit(s1.BoltDiameter, Form::FileNumber);
    visit(s1.BoltGrade, Form::FileNumber);
    visit(s1.BoltsPerRow, Form::Direct);
    visit(s1.RowSpacing, Form::FileNumber);
    visit(s1.BoltsPerIntersection, Form::FileNumber);
    visit(s1.CableBoltCapacity, Form::FileNumber);
    for (auto* field :
         {&c.BoltCost,      &c.PlateCost,         &c.ResinCost,        &c.BitCost,         &c.HeaderCost,
          &c.StrapCost,     &c.BoltsPerShift,     &c.CostBoltsPerRow,  &c.CostRowSpacing,  &c.OperatorsPerShift,
          &c.LaborCost,     &c.HoursPerShift,     &c.MaintenanceHours, &c.MaintenanceCost, &c.TransportCost,
          &c.CapitalCost,   &c.YearsToDepreciate, &c.AdvancePerShift,  &c.AdvanceRate,     &c.CleanProduction,
          &c.ShiftsPerWeek, &c.WeeksPerYear})
        visit(*field, Form::FileNumber);
    visit(c.UseCalculatedProduction, Form::Direct);
    visit(c.UseCalculatedAdvance, Form::Direct);
}

template <typename Number> std::string NumberLine(Number value, Form form)
{
    if (form == Form::FileNumber)
        return FileNumberText(value);
    const std::string text = GeneralNumber(value);
    return (value >= 0 ? " " : "") + text + " ";
}

// Lines of a file, numbered from 1, with the errors of a reader that runs
// past the end or meets a bad value.
class LineReader {
public:
    // Lines are found one at a time as they are read, so a file that is not
    // a project is refused at its first line without splitting the rest.
    LineReader(std::string_view text, std::string_view fileName) : m_text(text), m_fileName(fileName) {}

    std::string_view Next()
    {
        ++m_next;
        if (m_start >= m_text.size())
            throw RuntimeError(err::InputPastEndOfFile, StandardDescription(err::InputPastEndOfFile) + Where());
        std::size_t end = m_text.find('\n', m_start);
        if (end == std::string_view::npos)
            end = m_text.size();
        std::string_view line = m_text.substr(m_start, end - m_start);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        m_start = end + 1;
        return line;
    }

    // The next line as one number.
    double NextNumber()
    {
        const std::string_view line = Next();
        const std::string_view trimmed = TrimSpace(line);
        const std::optional<double> value = ParseStrictNumber(trimmed);
        if (!value)
            throw RuntimeError(err::TypeMismatch, StandardDescription(err::TypeMismatch) + " (line " +
                                                      std::to_string(m_next) + " of " + m_fileName + ": '" +
                                                      MessageExcerpt(trimmed) + "' is not a number)");
        return *value;
    }

    void Read(float& field)
    {
        const double value = NextNumber();
        if (!std::isfinite(value) || std::fabs(value) > std::numeric_limits<float>::max())
            Overflow();
        field = TextToFloatAsRead(value);
    }

    void Read(int16_t& field)
    {
        const double value = std::nearbyint(NextNumber());  // halves to even
        if (!(value >= -32768 && value <= 32767))
            Overflow();
        field = static_cast<int16_t>(value);
    }

private:
    static std::string_view TrimSpace(std::string_view s)
    {
        const std::size_t first = s.find_first_not_of(" \t");
        if (first == std::string_view::npos)
            return {};
        return s.substr(first, s.find_last_not_of(" \t") - first + 1);
    }
    std::string Where() const { return " (line " + std::to_string(m_next) + " of " + m_fileName + ")"; }
    [[noreturn]] void Overflow() const
    {
        throw RuntimeError(err::Overflow, StandardDescription(err::Overflow) + Where());
    }

    std::string_view m_text;
    std::size_t m_start = 0;  // where the next line begins
    std::size_t m_next = 0;   // number of the line last read
    std::string m_fileName;
};

// The first field of the tag line: leading blanks skipped, up to a comma or
// the line end with trailing blanks removed, or the text inside quotes.
std::string TagField(std::string_view line)
{
    const std::size_t first = line.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    line.remove_prefix(first);
    if (line.front() == '"') {
        line.remove_prefix(1);
        return std::string(line.substr(0, line.find('"')));
    }
    line = line.substr(0, line.find(','));
    const std::size_t last = line.find_last_not_of(" \t");
    return std::string(line.substr(0, last + 1));
}

std::string ReadDescription(LineReader& reader)
{
    std::string description;
    std::string_view line = reader.Next();
    if (line == kStartDesc)
        line = reader.Next();
    while (line != kEndDesc) {
        if (!TrimBlanks(line).empty()) {
            description += line;
            description += CrLf;
        }
        line = reader.Next();
    }
    return description;
}

// The description as file lines. A line that reads like a marker gets a
// trailing blank, so that a description holding such a line cannot end the
// description block early and shift every value after it.
std::string DescriptionBlock(const std::string& description)
{
    std::string block;
    std::size_t start = 0;
    for (bool first = true;; first = false) {
        const std::size_t end = description.find(CrLf, start);
        const std::string_view line =
            std::string_view(description).substr(start, end == std::string::npos ? std::string::npos : end - start);
        block += line;
        if (line == kEndDesc || (first && line == kStartDesc))
            block += ' ';
        if (end == std::string::npos)
            break;
        block += CrLf;
        start = end + CrLf.size();
    }
    return block;
}

}  // namespace

std::string ProjectFileText(const Project& data)
{
    std::string out;
    const auto line = [&out](std::string_view text) {
        out += text;
        out += CrLf;
    };
    line(ProjectFileTag);
    line(NumberLine(UnitNumber(data.units), Form::Direct));
    line(data.ProjectTitle);
    line(kStartDesc);
    line(DescriptionBlock(data.ProjectDescription));
    line(kEndDesc);
    VisitValueFields(data, [&line](const auto& field, Form form) { line(NumberLine(field, form)); });
    return out;
}

ParseOutcome ParseProjectFile(std::string_view text, std::string_view fileName, Project& data)
{
    LineReader reader(text, fileName);
    if (TagField(reader.Next()) != ProjectFileTag)
        return ParseOutcome::InvalidFormat;
    int16_t unitSystem = 0;
    reader.Read(unitSystem);
    data.units = UnitSystemOf(unitSystem);
    data.ProjectTitle = std::string(reader.Next());
    data.ProjectDescription = ReadDescription(reader);
    VisitValueFields(data, [&reader](auto& field, Form) { reader.Read(field); });
    return ParseOutcome::Read;
}

std::optional<Project> ProjectFromBytes(std::string_view bytes, std::string_view fileName, const Project& base)
{
    Project read = base;
    if (ParseProjectFile(DecodeFileText(bytes), fileName, read) == ParseOutcome::InvalidFormat)
        return std::nullopt;
    return read;
}

void WriteProjectFile(const std::string& path, Project& project)
{
    NormaliseDescription(project.ProjectDescription);
    WriteFileAtomically(path, ProjectFileText(project));
}

bool FileSave(Project& project, const std::string& path, Messenger& messenger)
{
    project.ProjectFilePath = path;
    AppendHistory(messenger, "Saving: " + project.ProjectFilePath);
    WriteProjectFile(project.ProjectFilePath, project);
    project.ProjectSaved = FlagTrue;
    return true;
}

FileOpenResult FileOpen(Project& project, const std::string& path, const Environment& env, Messenger& messenger)
{
    project.ProjectFilePath = path;
    FileNew(project, env, messenger, false, true);
    AppendHistory(messenger, "Opening: " + project.ProjectFilePath);
    try {
        std::optional<Project> read =
            ProjectFromBytes(ReadWholeFile(project.ProjectFilePath), BaseName(project.ProjectFilePath), project);
        if (!read) {
            project.ProjectFilePath = "Untitled";
            const std::string failure(InvalidFormatText);
            ShowMessage(messenger, failure, MsgButtons::OK, messenger.MsgCategory.Error);
            return {false, failure};
        }
        project = std::move(*read);
    } catch (const RuntimeError&) {
        // Never leave the empty project bound to the file that failed: a
        // later Save would overwrite that file.
        project.ProjectFilePath = "Untitled";
        throw;
    }
    project.ProjectSaved = FlagTrue;
    project.ProjectEmpty = FlagFalse;
    project.InputsEntered = FlagTrue;
    return {true, {}};
}

}  // namespace castovin
