#include "ui/editors/options_editor_dialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTabWidget>
#include <QVBoxLayout>

#include "core/config/environment.h"
#include "core/text/messages.h"
#include "core/text/paths.h"
#include "core/tools/file_association.h"
#include "ui/app/closing_rules.h"
#include "ui/app/names.h"
#include "ui/app/window_helpers.h"
#include "ui/editors/editor_support.h"
#include "ui/editors/numeric_field.h"
#include "ui/platform/platform_services.h"

namespace castovin {

namespace {

// The default-input fields of a page: control stem, label, unit kind and whether the field carries the keystroke
// filter.
struct InputInfo {
    const char* stem;
    const char* label;
    UnitKind unitKind;
    bool numeric;
    std::string DefaultInputFields::*member;
};

const std::array<InputInfo, 11>& Inputs()
{
    using D = DefaultInputFields;
    static const std::array<InputInfo, 11> inputs = {{
        {names::OptionsCMRR, "Coal Mine Roof Rating", UnitKind::None, true, &D::CMRR},
        {names::OptionsDepth, "Depth of Cover", UnitKind::Length, true, &D::DepthofCover},
        {names::OptionsUnitWeight, "Unit Weight", UnitKind::UnitWeight, false, &D::UnitWeight},
        {names::OptionsStabilityFactor, "Stability Factor", UnitKind::None, true, &D::StabilityFactor},
        {names::OptionsBoltLength, "Actual Bolt Length", UnitKind::Length, true, &D::ActualBoltLength},
        {names::OptionsDiameter, "Bolt Diameter", UnitKind::Diameter, true, &D::BoltDiameter},
        {names::OptionsGrade, "Bolt Grade", UnitKind::Grade, true, &D::BoltGrade},
        {names::OptionsBoltsPerRow, "Number of Bolts per Row", UnitKind::None, true, &D::BoltsperRow},
        {names::OptionsRowSpacing, "Row Spacing", UnitKind::Length, true, &D::RowSpacing},
        {names::OptionsSpan, "Actual Intersection Span", UnitKind::Length, true, &D::ActualSpan},
        {names::OptionsEntryWidth, "Entry Width", UnitKind::Length, true, &D::EntryWidth},
    }};
    return inputs;
}

// Which inputs sit in which frame of a defaults page.
constexpr std::array<std::pair<const char*, std::array<int, 6>>, 3> kFrames = {{
    {"Geology", {0, 1, 2, -1, -1, -1}},
    {"Support", {3, 4, 5, 6, 7, 8}},
    {"Mining factors", {9, 10, -1, -1, -1, -1}},
}};

bool IsShared(int input)
{
    return input == 0 || input == 3 || input == 7;  // CMRR, stability factor, bolts per row
}

}  // namespace

QLineEdit* OptionsEditorDialog::Field(QWidget* parent, const QString& name, bool numeric)
{
    auto* field = new QLineEdit(parent);
    field->setObjectName(name);
    field->setProperty("helpContext", 4200);
    if (numeric)
        MakeNumericField(field, SelectOn::Click);
    return field;
}

QWidget* OptionsEditorDialog::BuildSwitchesPage()
{
    auto* page = new QWidget(m_tabs);
    auto* edit = new QGroupBox("Edit menu options", page);
    auto* editLayout = new QVBoxLayout(edit);
    m_switches[0] = new QCheckBox("Load the input form on file open / file new", edit);
    m_switches[0]->setObjectName(names::OptionsLoadInputForm);
    m_switches[1] = new QCheckBox("View project file in child window", edit);
    m_switches[1]->setObjectName(names::OptionsChildWindow);
    editLayout->addWidget(m_switches[0]);
    editLayout->addWidget(m_switches[1]);
    auto* association = new QGroupBox("Create a file association", page);
    auto* associationLayout = new QVBoxLayout(association);
    QPushButton* associate = MakeButton(association, names::OptionsFileAssociation, "Create File Association");
    associationLayout->addWidget(associate);
    connect(associate, &QPushButton::clicked, this, &OptionsEditorDialog::MakeFileAssociation);
    auto* print = new QGroupBox("Print options", page);
    auto* printLayout = new QVBoxLayout(print);
    m_switches[2] = new QCheckBox("Print module version information", print);
    m_switches[2]->setObjectName(names::OptionsPrintHeader);
    printLayout->addWidget(m_switches[2]);
    auto* graph = new QGroupBox("Graph export options", page);
    auto* graphLayout = new QVBoxLayout(graph);
    // No spreadsheet program is needed to export here, so the question is
    // about exporting at all.
    m_switches[3] = new QCheckBox("Do not ask before exporting graph data to a spreadsheet", graph);
    m_switches[3]->setObjectName(names::OptionsSkipExportQuestion);
    graphLayout->addWidget(m_switches[3]);
    auto* layout = new QVBoxLayout(page);
    for (QGroupBox* frame : {edit, association, print, graph})
        layout->addWidget(frame);
    layout->addStretch(1);
    return page;
}

QWidget* OptionsEditorDialog::BuildDefaultsPage(int tab)
{
    const auto t = static_cast<std::size_t>(tab);
    const UnitSystem unit = tab == 0 ? UnitSystem::English : UnitSystem::Metric;
    auto* page = new QWidget(m_tabs);
    auto* columns = new QHBoxLayout(page);
    auto* fieldsColumn = new QVBoxLayout;
    std::vector<QGridLayout*> frameGrids;
    for (const auto& [frameName, members] : kFrames) {
        auto* frame = new QGroupBox(frameName, page);
        auto* grid = new QGridLayout(frame);
        frameGrids.push_back(grid);
        for (int input : members) {
            if (input < 0)
                continue;
            const InputInfo& info = Inputs()[static_cast<std::size_t>(input)];
            QString label = info.label;
            if (info.unitKind != UnitKind::None)
                label += Q(std::string(UnitLabel(info.unitKind, unit)));
            auto* caption = new QLabel(label, frame);
            caption->setObjectName(names::CaptionOf(names::Indexed(info.stem, tab)));
            QLineEdit* field = Field(frame, names::Indexed(info.stem, tab), info.numeric);
            m_inputs[t][static_cast<std::size_t>(input)] = field;
            const int row = grid->rowCount();
            grid->addWidget(caption, row, 0);
            grid->addWidget(field, row, 1);
        }
        fieldsColumn->addWidget(frame);
    }
    fieldsColumn->addStretch(1);
    AlignFieldColumns(frameGrids);

    auto* grades = new QGroupBox("Bolt grade definitions", page);
    auto* g = new QGridLayout(grades);
    const char* setName = tab == 0 ? names::OptionsEnglishSet : names::OptionsMetricSet;
    for (int set = 0; set < 2; ++set) {
        auto* option = new QRadioButton(set == 0 ? "Set 1" : "Set 2", grades);
        option->setObjectName(names::Indexed(setName, set));
        m_sets[t][static_cast<std::size_t>(set)] = option;
        const std::size_t list = t * 2 + static_cast<std::size_t>(set);
        auto* box = new QListWidget(grades);
        box->setObjectName(names::Indexed(names::OptionsGradeList, static_cast<int>(list)));
        box->setSelectionMode(QAbstractItemView::ExtendedSelection);
        m_lists[list] = box;
        g->addWidget(option, 0, set);
        g->addWidget(box, 1, set);
        connect(option, &QRadioButton::toggled, this, [this, tab, set](bool on) {
            if (on)
                ChooseSet(tab, set);
        });
    }
    m_items[t] = Field(grades, names::Indexed(names::OptionsGradeItem, tab), true);
    g->addWidget(m_items[t], 2, 0, 1, 2);
    QPushButton* add = MakeButton(grades, names::Indexed(names::OptionsAdd, tab), "Add");
    QPushButton* remove = MakeButton(grades, names::Indexed(names::OptionsDelete, tab), "Delete");
    QPushButton* reset = MakeButton(grades, names::Indexed(names::OptionsSetDefault, tab), "Set Default");
    g->addWidget(add, 3, 0);
    g->addWidget(remove, 3, 1);
    g->addWidget(reset, 4, 0, 1, 2);
    connect(add, &QPushButton::clicked, this, [this, tab] { Add(tab); });
    connect(remove, &QPushButton::clicked, this, [this, tab] { Delete(tab); });
    connect(reset, &QPushButton::clicked, this, [this, tab] { SetDefault(tab); });

    columns->addLayout(fieldsColumn, 1);
    columns->addWidget(grades);
    return page;
}

OptionsEditorDialog::OptionsEditorDialog(Environment& environment, Messenger& messenger, const WindowContext& context)
    : m_environment(environment), m_messenger(messenger), m_context(context)
{
    setObjectName(names::OptionsEditor);
    setWindowTitle("Options");

    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(names::OptionsTabs);
    m_tabs->setUsesScrollButtons(false);
    m_tabs->addTab(BuildSwitchesPage(), "Edit / Print Options");
    m_tabs->addTab(BuildDefaultsPage(0), "Default Parameters (English)");
    m_tabs->addTab(BuildDefaultsPage(1), "Default Parameters (Metric)");

    const DialogButtons buttons =
        MakeOkCancelHelpRow(this, names::EditorOk, names::EditorCancel, names::EditorHelp, m_messenger);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_tabs, 1);
    layout->addLayout(buttons.row);
    connect(buttons.ok, &QPushButton::clicked, this, &OptionsEditorDialog::Ok);
    connect(buttons.cancel, &QPushButton::clicked, this, &QDialog::close);
    LoadFields();
    ClosingRules::Install(this, [this] { Unload(); });
}

void OptionsEditorDialog::LoadFields()
{
    // Form_Load.
    SetMsgCategory(m_messenger.MsgCategory, MsgForm::Options);
    AppendHistory(m_messenger, "Editing VELB Options");
    const OptionsFields f = OptionsFieldsFromState(m_environment);
    m_switches[0]->setChecked(f.loadInputForm);
    m_switches[1]->setChecked(f.viewChildWindow);
    m_switches[2]->setChecked(f.printModuleHeader);
    m_switches[3]->setChecked(f.skipExportQuestion);
    for (std::size_t t = 0; t < 2; ++t)
        for (std::size_t i = 0; i < Inputs().size(); ++i)
            m_inputs[t][i]->setText(Q(f.page[t].*(Inputs()[i].member)));
    for (QLineEdit* item : m_items)
        item->clear();
    for (int tab = 0; tab < 2; ++tab)
        m_sets[static_cast<std::size_t>(tab)][0]->setChecked(true);
    for (std::size_t list = 0; list < BoltGradeListCount; ++list)
        ShowEntries(list, f.gradeLists[list]);
    // The shared fields mirror each other across the two pages.
    for (std::size_t i = 0; i < Inputs().size(); ++i) {
        if (!IsShared(static_cast<int>(i)))
            continue;
        for (std::size_t t = 0; t < 2; ++t) {
            QLineEdit* other = m_inputs[1 - t][i];
            connect(m_inputs[t][i], &QLineEdit::textChanged, other,
                    [other](const QString& text) { other->setText(text); });
        }
    }
    m_tabs->setCurrentIndex(0);
    adjustSize();
    CenterOnScreen(this);
}

void OptionsEditorDialog::ChooseSet(int tab, int set)
{
    const auto t = static_cast<std::size_t>(tab);
    m_lists[t * 2 + static_cast<std::size_t>(set)]->setEnabled(true);
    m_lists[t * 2 + static_cast<std::size_t>(1 - set)]->setEnabled(false);
}

std::size_t OptionsEditorDialog::TargetList(int tab) const
{
    const auto t = static_cast<std::size_t>(tab);
    return t * 2 + (m_sets[t][1]->isChecked() ? 1 : 0);
}

std::vector<std::string> OptionsEditorDialog::Entries(std::size_t list) const
{
    std::vector<std::string> entries;
    for (int i = 0; i < m_lists[list]->count(); ++i)
        entries.push_back(S(m_lists[list]->item(i)->text()));
    return entries;
}

void OptionsEditorDialog::ShowEntries(std::size_t list, const std::vector<std::string>& entries)
{
    m_lists[list]->clear();
    for (const std::string& entry : entries)
        m_lists[list]->addItem(Q(entry));
}

OptionsFields OptionsEditorDialog::Fields() const
{
    OptionsFields f;
    f.loadInputForm = m_switches[0]->isChecked();
    f.viewChildWindow = m_switches[1]->isChecked();
    f.printModuleHeader = m_switches[2]->isChecked();
    f.skipExportQuestion = m_switches[3]->isChecked();
    for (std::size_t t = 0; t < 2; ++t)
        for (std::size_t i = 0; i < Inputs().size(); ++i)
            f.page[t].*(Inputs()[i].member) = S(m_inputs[t][i]->text());
    for (std::size_t list = 0; list < BoltGradeListCount; ++list)
        f.gradeLists[list] = Entries(list);
    return f;
}

void OptionsEditorDialog::Add(int tab)
{
    const std::size_t list = TargetList(tab);
    std::vector<std::string> entries = Entries(list);
    if (AddBoltGrade(m_messenger, entries, S(m_items[static_cast<std::size_t>(tab)]->text())))
        ShowEntries(list, entries);
}

void OptionsEditorDialog::Delete(int tab)
{
    const std::size_t list = TargetList(tab);
    std::vector<std::string> entries = Entries(list);
    std::vector<bool> selected;
    for (int i = 0; i < m_lists[list]->count(); ++i)
        selected.push_back(m_lists[list]->item(i)->isSelected());
    DeleteBoltGrades(m_messenger, entries, selected);
    ShowEntries(list, entries);
}

void OptionsEditorDialog::SetDefault(int tab)
{
    const auto lists = SetDefaultBoltGrades(m_environment, tab == 0 ? UnitSystem::English : UnitSystem::Metric);
    const auto first = static_cast<std::size_t>(tab) * 2;
    ShowEntries(first, lists[0]);
    ShowEntries(first + 1, lists[1]);
}

void OptionsEditorDialog::Ok()
{
    const OptionsValidation result = CheckOptions(m_messenger, Fields());
    if (!result.valid) {
        m_tabs->setCurrentIndex(result.page);
        const QString name = names::Indexed(names::StemOf(result.focus), result.page - 1);
        if (auto* field = findChild<QLineEdit*>(name))
            field->setFocus();
        return;
    }
    m_ok = true;
    close();
}

void OptionsEditorDialog::MakeFileAssociation()
{
    const std::string extension = m_environment.Settings.FileExtension;
    if (ShowMessage(m_messenger,
                    "This operation may break an existing association of file extension " + extension +
                        " with other programs on this computer. Proceed?",
                    MsgButtons::YesNo) != MsgResult::Yes)
        return;
    const std::string dataHome = UserDataHome(m_environment.User.xdgDataHome, m_environment.User.home);
    const std::string& program = m_environment.ProgramFile;
    const FileAssociation association = RegisterFileType(dataHome, m_environment.AppFolder, program, extension);
    if (!association.refusal.empty()) {
        ShowMessage(m_messenger, association.refusal, MsgIcon::Exclamation);
        return;
    }
    // Let the desktop see the new type and entry, when its tools are there.
    PlatformServices& platform = m_context.platform;
    const QString mimeTool = QStandardPaths::findExecutable("update-mime-database");
    if (association.written && !mimeTool.isEmpty())
        platform.StartProgram(mimeTool, {Q(dataHome + "/mime")});
    const QString desktopTool = QStandardPaths::findExecutable("update-desktop-database");
    if (association.written && !desktopTool.isEmpty())
        platform.StartProgram(desktopTool, {Q(dataHome + "/applications")});
    ShowMessage(m_messenger, "The file association for " + extension + " has been made to " + association.command,
                MsgButtons::OK);
    AppendHistory(m_messenger, m_environment.AppFolder + " " + program + " " + extension);
}

void OptionsEditorDialog::Unload()
{
    if (m_ok)
        CommitOptions(m_environment, m_messenger, Fields());
    else
        AppendHistory(m_messenger, "Options Not Modified");
}

}  // namespace castovin
