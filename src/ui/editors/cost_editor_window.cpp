#include "editors/cost_editor_window.h"

#include <map>

#include <QCheckBox>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "app/window_helpers.h"
#include "editors/editor_support.h"
#include "editors/numeric_field.h"
#include "program/output_commands.h"
#include "program/program_state.h"
#include "main/main_window.h"
#include "text/messages.h"

namespace castovin {

CostEditorWindow::CostEditorWindow(MainWindow& main) : m_main(main)
{
    setObjectName("frmVELBCost");
    setWindowTitle("Cost");
    setWindowFlag(Qt::Dialog);
    ProgramState& state = m_main.State();
    const int16_t unit = state.UnitSystem != English ? Metric : English;

    // One frame per group, the fields in the order of the table.
    std::map<std::string, QGridLayout*> grids;
    std::map<std::string, QGroupBox*> frames;
    const char* frameOrder[] = {"Consumables", "Production", "Operating Labor", "Maintenance", "Transportation",
                                "Machine Ownership"};
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
        if (info.unitKind >= 0)
            label += Q(std::string(UnitLabel(info.unitKind, unit)));
        auto* caption = new QLabel(label, frames[info.frame]);
        caption->setObjectName(QString("lbl") + QString(info.control).mid(3));
        auto* field = new QLineEdit(frames[info.frame]);
        field->setObjectName(info.control);
        field->setProperty("helpContext", info.frame == std::string("Operating Labor") ? 2200 : 2300);
        field->setMinimumWidth(90);
        MakeNumericField(field);
        grid->addWidget(caption, row, 0);
        grid->addWidget(field, row, 1);
        m_fields[i] = field;
        if (info.control == std::string("txtAdvanceShift")) {
            m_useAdvance = new QCheckBox("Use calculated value", frames[info.frame]);
            m_useAdvance->setObjectName("chkAdvance");
            m_advanceCalc = new QLineEdit(frames[info.frame]);
            m_advanceCalc->setObjectName("txtAdvanceShiftCalc");
            m_advanceCalc->setReadOnly(true);
            m_advanceCalc->setMinimumWidth(90);
            grid->addWidget(m_useAdvance, row, 2);
            grid->addWidget(new QLabel("Calculated advance per shift" + Q(std::string(UnitLabel(UnitKind::Length, unit))),
                                       frames[info.frame]),
                            row + 1, 0);
            grid->addWidget(m_advanceCalc, row + 1, 1);
        }
        if (info.control == std::string("txtCleanProduction")) {
            m_useProduction = new QCheckBox("Use calculated value", frames[info.frame]);
            m_useProduction->setObjectName("chkProduction");
            m_productionCalc = new QLineEdit(frames[info.frame]);
            m_productionCalc->setObjectName("txtCleanProductionCalc");
            m_productionCalc->setReadOnly(true);
            m_productionCalc->setMinimumWidth(90);
            grid->addWidget(m_useProduction, row, 2);
            grid->addWidget(new QLabel("Calculated clean production per shift" +
                                           Q(std::string(UnitLabel(UnitKind::ShortTons, unit))),
                                       frames[info.frame]),
                            row + 1, 0);
            grid->addWidget(m_productionCalc, row + 1, 1);
        }
    }


    auto* left = new QVBoxLayout;
    for (const char* name : {"Consumables", "Operating Labor", "Maintenance", "Transportation"})
        left->addWidget(frames[name]);
    auto* right = new QVBoxLayout;
    right->addWidget(frames["Production"]);
    right->addWidget(frames["Machine Ownership"]);
    auto* columns = new QHBoxLayout;
    columns->addLayout(left);
    columns->addLayout(right);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    layout->addLayout(EditorButtonRow(this, m_main, [this] { Ok(); }, [this] { Results(); }));


    // Form_Load.
    state.EditorOpen = SwitchTrue;
    state.ReportKind = 2;
    SetMsgCategory(state.MsgCategory, 2);
    const CostFields f = CostFieldsFromCost(state.Cost);
    for (std::size_t i = 0; i < CostFieldCount; ++i)
        m_fields[i]->setText(Q(f.text[i]));
    m_useAdvance->setChecked(f.useCalculatedAdvance);
    m_useProduction->setChecked(f.useCalculatedProduction);
    RecalculateAdvance();
    RecalculateProduction();
    for (const char* name : {"txtnboltsShift", "txtnBoltsRow", "txtRowSpacing"})
        connect(m_fields[CostFieldIndex(name)], &QLineEdit::textChanged, this, &CostEditorWindow::RecalculateAdvance);
    for (const char* name : {"txtAdvanceRate", "txtAdvanceShift"})
        connect(m_fields[CostFieldIndex(name)], &QLineEdit::textChanged, this, &CostEditorWindow::RecalculateProduction);
    connect(m_advanceCalc, &QLineEdit::textChanged, this, &CostEditorWindow::RecalculateProduction);
    AppendHistory(state, "Editing Project Parameters");
    adjustSize();
    CenterOnScreen(this);
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
    const auto text = [this](const char* name) { return S(m_fields[CostFieldIndex(name)]->text()); };
    const std::optional<std::string> advance =
        CalculatedAdvanceText(text("txtnboltsShift"), text("txtnBoltsRow"), text("txtRowSpacing"));
    if (advance)
        m_advanceCalc->setText(Q(*advance));
    RecalculateProduction();
}

void CostEditorWindow::RecalculateProduction()
{
    const std::optional<std::string> production =
        CalculatedProductionText(S(m_advanceCalc->text()), S(m_fields[CostFieldIndex("txtAdvanceRate")]->text()));
    if (production)
        m_productionCalc->setText(Q(*production));
}

void CostEditorWindow::SaveWorkParms()
{
    ProgramState& state = m_main.State();
    state.WorkCost = CostFromFields(Fields(), state.Cost);
}

void CostEditorWindow::Ok()
{
    if (const std::optional<std::size_t> failed = ValidateCost(m_main.State(), Fields())) {
        m_fields[*failed]->setFocus();
        return;
    }
    m_ok = true;
    close();
}

void CostEditorWindow::Results()
{
    if (const std::optional<std::size_t> failed = ValidateCost(m_main.State(), Fields())) {
        m_fields[*failed]->setFocus();
        return;
    }
    ShowEditorResults(m_main, ReportType::Cost, [this] { SaveWorkParms(); });
}

void CostEditorWindow::closeEvent(QCloseEvent* event)
{
    if (!m_unloaded) {
        m_unloaded = true;
        ProgramState& state = m_main.State();
        if (m_ok)
            state.Cost = CostFromFields(Fields(), state.Cost);
        FinishProjectEditor(m_main, m_ok);
    }
    event->accept();
}

}  // namespace castovin
