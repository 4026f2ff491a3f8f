#include "ui/editors/cost_editor_window.h"

#include <map>

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "core/config/environment.h"
#include "core/model/project.h"
#include "core/model/report_session.h"
#include "core/program/output_commands.h"
#include "core/text/messages.h"
#include "ui/app/closing_rules.h"
#include "ui/app/names.h"
#include "ui/app/window_helpers.h"
#include "ui/editors/editor_support.h"
#include "ui/editors/numeric_field.h"

namespace castovin {

QLineEdit* CostEditorWindow::CalculatedField(QWidget* parent, const char* name)
{
    // A calculated value: it looks read-only (the window's colour behind it)
    // and Tab passes it by.
    auto* field = new QLineEdit(parent);
    field->setObjectName(name);
    field->setReadOnly(true);
    field->setFocusPolicy(Qt::NoFocus);
    QPalette palette = field->palette();
    palette.setColor(QPalette::Base, palette.color(QPalette::Window));
    field->setPalette(palette);
    field->setMinimumWidth(90);
    return field;
}

// The check box and the read-only calculated value beside the advance and
// the clean production fields.
void CostEditorWindow::AddCalculatedRow(CostField field, QGridLayout* grid, QGroupBox* frame, int row, UnitSystem unit)
{
    if (field == CostField::AdvancePerShift) {
        m_useAdvance = new QCheckBox("Use calculated value", frame);
        m_useAdvance->setObjectName(names::CostUseAdvance);
        m_advanceCalc = CalculatedField(frame, names::CostAdvanceCalc);
        grid->addWidget(m_useAdvance, row, 2);
        grid->addWidget(
            new QLabel("Calculated advance per shift" + Q(std::string(UnitLabel(UnitKind::Length, unit))), frame),
            row + 1, 0);
        grid->addWidget(m_advanceCalc, row + 1, 1);
    }
    if (field == CostField::CleanProduction) {
        m_useProduction = new QCheckBox("Use calculated value", frame);
        m_useProduction->setObjectName(names::CostUseProduction);
        m_productionCalc = CalculatedField(frame, names::CostProductionCalc);
        grid->addWidget(m_useProduction, row, 2);
        grid->addWidget(
            new QLabel("Calculated clean production per shift" + Q(std::string(UnitLabel(UnitKind::ShortTons, unit))),
                       frame),
            row + 1, 0);
        grid->addWidget(m_productionCalc, row + 1, 1);
    }
}

CostEditorWindow::CostEditorWindow(Project& project, ReportSession& session, Environment& environment,
                                   Messenger& messenger, const WindowContext& context)
    : m_project(project), m_session(session), m_environment(environment), m_messenger(messenger), m_context(context)
{
    setObjectName(names::CostEditor);
    setWindowTitle("Cost Parameters");
    setWindowFlag(Qt::Dialog);
    const UnitSystem unit = m_project.units;

    // One frame per group, the fields in the order of the table.
    std::map<std::string, QGridLayout*> grids;
    std::map<std::string, QGroupBox*> frames;
    const char* frameOrder[] = {"Consumables", "Production",     "Operating Labor",
                                "Maintenance", "Transportation", "Machine Ownership"};
    for (const char* name : frameOrder) {
        frames[name] = new QGroupBox(name, this);
        grids[name] = new QGridLayout(frames[name]);
    }
    const auto& table = CostFieldTable();
    for (std::size_t i = 0; i < table.size(); ++i) {
        const CostFieldInfo& info = table[i];
        QGridLayout* grid = grids[info.frame];
        const int row = grid->rowCount();
        QString label = info.label;
        if (info.unitKind != UnitKind::None)
            label += Q(std::string(UnitLabel(info.unitKind, unit)));
        auto* caption = new QLabel(label, frames[info.frame]);
        const auto costField = static_cast<CostField>(i);
        caption->setObjectName(names::CaptionOf(names::Of(costField)));
        auto* field = new QLineEdit(frames[info.frame]);
        field->setObjectName(names::Of(costField));
        field->setProperty("helpContext", info.frame == std::string("Operating Labor") ? 2200 : 2300);
        field->setMinimumWidth(90);
        MakeNumericField(field);
        grid->addWidget(caption, row, 0);
        grid->addWidget(field, row, 1);
        m_fields[i] = field;
        AddCalculatedRow(costField, grid, frames[info.frame], row, unit);
    }

    auto* left = new QVBoxLayout;
    for (const char* name : {"Consumables", "Operating Labor", "Maintenance", "Transportation"})
        left->addWidget(frames[name]);
    auto* right = new QVBoxLayout;
    right->addWidget(frames["Production"]);
    right->addWidget(frames["Machine Ownership"]);
    left->addStretch(1);
    right->addStretch(1);
    auto* columns = new QHBoxLayout;
    columns->addLayout(left);
    columns->addLayout(right);
    auto* layout = new QVBoxLayout;
    layout->addWidget(ScrollingBody(this, columns), 1);
    layout->addLayout(EditorButtonRow(
        this, m_messenger, m_context.platform, [this] { Ok(); }, [this] { Results(); }));
    LoadFields();
    std::vector<QGridLayout*> leftGrids;
    for (const char* name : {"Consumables", "Operating Labor", "Maintenance", "Transportation"})
        leftGrids.push_back(grids[name]);
    AlignFieldColumns(leftGrids);
    AlignFieldColumns({grids["Production"], grids["Machine Ownership"]});
    CentreContent(this, layout);
    adjustSize();
    CenterOnScreen(this);
    ClosingRules::Install(this, [this] { Unload(); });
}

void CostEditorWindow::LoadFields()
{
    // Form_Load.
    m_session.EditorOpen = SwitchTrue;
    m_session.ReportKind = ReportType::Cost;
    SetMsgCategory(m_messenger.MsgCategory, MsgForm::Parameters);
    const CostFields f = CostFieldsFromCost(m_project.Cost);
    for (std::size_t i = 0; i < CostFieldCount; ++i)
        m_fields[i]->setText(Q(f.text[i]));
    m_useAdvance->setChecked(f.useCalculatedAdvance);
    m_useProduction->setChecked(f.useCalculatedProduction);
    RecalculateAdvance();
    RecalculateProduction();
    for (const CostField field : {CostField::BoltsPerShift, CostField::CostBoltsPerRow, CostField::CostRowSpacing})
        connect(m_fields[CostFieldIndex(field)], &QLineEdit::textChanged, this, &CostEditorWindow::RecalculateAdvance);
    for (const CostField field : {CostField::AdvanceRate, CostField::AdvancePerShift})
        connect(m_fields[CostFieldIndex(field)], &QLineEdit::textChanged, this,
                &CostEditorWindow::RecalculateProduction);
    connect(m_advanceCalc, &QLineEdit::textChanged, this, &CostEditorWindow::RecalculateProduction);
    AppendHistory(m_messenger, "Editing Project Parameters");
}

CostFields CostEditorWindow::Fields() const
{
    CostFields f;
    for (std::size_t i = 0; i < CostFieldCount; ++i)
        f.text[i] = S(m_fields[i]->text());
    f.useCalculatedAdvance = m_useAdvance->isChecked();
    f.useCalculatedProduction = m_useProduction->isChecked();
    return f;
}

void CostEditorWindow::RecalculateAdvance()
{
    const auto text = [this](CostField field) { return S(m_fields[CostFieldIndex(field)]->text()); };
    const std::optional<std::string> advance = CalculatedAdvanceText(
        text(CostField::BoltsPerShift), text(CostField::CostBoltsPerRow), text(CostField::CostRowSpacing));
    // A new text recalculates the production through its own textChanged.
    if (advance)
        m_advanceCalc->setText(Q(*advance));
}

void CostEditorWindow::RecalculateProduction()
{
    const std::optional<std::string> production =
        CalculatedProductionText(S(m_advanceCalc->text()), S(m_fields[CostFieldIndex(CostField::AdvanceRate)]->text()));
    if (production)
        m_productionCalc->setText(Q(*production));
}

CostRecord CostEditorWindow::SaveWorkParms() const
{
    return CostFromFields(Fields(), m_project.Cost);
}

void CostEditorWindow::Ok()
{
    if (const std::optional<std::size_t> failed = ValidateCost(m_messenger, Fields())) {
        m_fields[*failed]->setFocus();
        return;
    }
    m_ok = true;
    close();
}

void CostEditorWindow::Results()
{
    if (const std::optional<std::size_t> failed = ValidateCost(m_messenger, Fields())) {
        m_fields[*failed]->setFocus();
        return;
    }
    ShowEditorResults(m_project, m_session, m_environment, m_context.host, this, ReportType::Cost,
                      [this](std::array<SupportRecord, 2>&, CostRecord& cost) { cost = SaveWorkParms(); });
}

void CostEditorWindow::Unload()
{
    if (m_ok)
        m_project.Cost = CostFromFields(Fields(), m_project.Cost);
    FinishProjectEditor(m_project, m_session, m_messenger, m_context.host, m_ok);
}

}  // namespace castovin
