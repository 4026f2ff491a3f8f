#include "ui/editors/parameters_editor_window.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QVBoxLayout>

#include "core/config/environment.h"
#include "core/editing/options_editor.h"
#include "core/editing/parameter_editor.h"
#include "core/model/project.h"
#include "core/model/report_session.h"
#include "core/program/output_commands.h"
#include "core/text/messages.h"
#include "core/text/number_format.h"
#include "ui/app/closing_rules.h"
#include "ui/app/names.h"
#include "ui/app/window_helpers.h"
#include "ui/editors/editor_support.h"
#include "ui/editors/numeric_field.h"

namespace castovin {

namespace {

constexpr int kHelpContext = 2200;

QString Unit(UnitKind kind, UnitSystem unitSystem)
{
    return Q(std::string(UnitLabel(kind, unitSystem)));
}

}  // namespace

QLineEdit* ParametersEditorWindow::Field(QWidget* parent, const QString& name, int maxLength)
{
    auto* field = new QLineEdit(parent);
    field->setObjectName(name);
    field->setProperty("helpContext", kHelpContext);
    if (maxLength > 0)
        LimitTypedLength(field, maxLength);
    return field;
}

QLabel* ParametersEditorWindow::Label(QWidget* parent, const QString& name, const QString& text)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    return label;
}

ParametersEditorWindow::ParametersEditorWindow(Project& project, ReportSession& session, Environment& environment,
                                               Messenger& messenger, const WindowContext& context)
    : m_project(project), m_session(session), m_environment(environment), m_messenger(messenger), m_context(context)
{
    setObjectName(names::ParametersEditor);
    setWindowTitle("Parameters");
    setWindowFlag(Qt::Dialog);
    const UnitSystem u = m_project.units;

    // Geology, mining factors and design factors.
    auto* geology = new QGroupBox("Geology", this);
    auto* g = new QGridLayout(geology);
    m_CMRR = Field(geology, names::ParmCMRR, 5);
    m_depth = Field(geology, names::ParmDepth, 7);
    m_unitWeight = Field(geology, names::ParmUnitWeight, 7);
    g->addWidget(Label(geology, names::CaptionOf(names::ParmCMRR), "Coal Mine Roof Rating"), 0, 0);
    g->addWidget(m_CMRR, 0, 1);
    g->addWidget(Label(geology, names::CaptionOf(names::ParmDepth), "Depth of Cover" + Unit(UnitKind::Length, u)), 1,
                 0);
    g->addWidget(m_depth, 1, 1);
    g->addWidget(
        Label(geology, names::CaptionOf(names::ParmUnitWeight), "Unit Weight of Rock" + Unit(UnitKind::UnitWeight, u)),
        2, 0);
    g->addWidget(m_unitWeight, 2, 1);

    auto* mining = new QGroupBox("Mining factors", this);
    auto* m = new QGridLayout(mining);
    m_span = Field(mining, names::ParmSpan, 7);
    m_width = Field(mining, names::ParmEntryWidth, 7);
    m->addWidget(
        Label(mining, names::CaptionOf(names::ParmSpan), "Actual Intersection Span" + Unit(UnitKind::Length, u)), 0, 0);
    m->addWidget(m_span, 0, 1);
    m->addWidget(Label(mining, names::CaptionOf(names::ParmEntryWidth), "Entry Width" + Unit(UnitKind::Length, u)), 1,
                 0);
    m->addWidget(m_width, 1, 1);

    auto* design = new QGroupBox("Design factors", this);
    auto* d = new QGridLayout(design);
    m_SF = Field(design, names::ParmStabilityFactor, 7);
    m_noSup = new QComboBox(design);
    m_noSup->setObjectName(names::ParmNoSup);
    m_noSup->setEditable(true);
    m_noSup->setInsertPolicy(QComboBox::NoInsert);
    m_system = new QComboBox(design);
    m_system->setObjectName(names::ParmSystem);
    m_location = new QComboBox(design);
    m_location->setObjectName(names::ParmLocation);
    m_systemLabel = Label(design, names::ParmSystemLabel, "Second System Type");
    m_locationLabel = Label(design, names::ParmLocationLabel, "Second System Location");
    d->addWidget(Label(design, names::CaptionOf(names::ParmStabilityFactor), "Stability Factor"), 0, 0);
    d->addWidget(m_SF, 0, 1);
    d->addWidget(Label(design, names::CaptionOf(names::ParmNoSup), "Number of Support Systems"), 1, 0);
    d->addWidget(m_noSup, 1, 1);
    d->addWidget(m_systemLabel, 2, 0);
    d->addWidget(m_system, 2, 1);
    d->addWidget(m_locationLabel, 3, 0);
    d->addWidget(m_location, 3, 1);
    m_leftGrids = {g, m, d};

    BuildSystemPages();
    for (QLineEdit* field :
         {m_CMRR, m_depth, m_unitWeight, m_span, m_width, m_SF, m_boltLength[0], m_boltLength[1], m_diameter[0],
          m_diameter[1], m_boltsPerRow[0], m_boltsPerRow[1], m_rowSpacing[0], m_rowSpacing[1]})
        MakeNumericField(field);
    BuildLayout(geology, mining, design);
    LoadFields();
    ClosingRules::Install(this, [this] { Unload(); });
}

void ParametersEditorWindow::BuildSystemPages()
{
    // The two support systems on the pages of the tab control.
    const UnitSystem u = m_project.units;
    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(names::ParmTabs);
    m_tabs->setUsesScrollButtons(false);
    for (int i = 0; i < 2; ++i) {
        const auto k = static_cast<std::size_t>(i);
        auto* page = new QWidget(m_tabs);
        page->setObjectName(names::ParmTabPage + QString::number(i));
        auto* frame = new QGroupBox("Support parameters", page);
        auto* grid = new QGridLayout(frame);
        m_systemGrids[k] = grid;
        m_boltLength[k] = Field(frame, names::Indexed(names::ParmBoltLength, i), 7);
        m_diameter[k] = Field(frame, names::Indexed(names::ParmDiameter, i), i == 1 ? 0 : 7);
        m_grade[k] = new QComboBox(frame);
        m_grade[k]->setObjectName(names::Indexed(names::ParmGrade, i));
        m_grade[k]->setEditable(true);
        m_grade[k]->setInsertPolicy(QComboBox::NoInsert);
        m_boltsPerRow[k] = Field(frame, names::Indexed(names::ParmBoltsPerRow, i), i == 0 ? 3 : 0);
        m_rowSpacing[k] = Field(frame, names::Indexed(names::ParmRowSpacing, i), 7);
        m_boltLengthLabel[k] = Label(frame, names::CaptionOf(names::Indexed(names::ParmBoltLength, i)),
                                     "Actual Bolt Length" + Unit(UnitKind::Length, u));
        m_diameterLabel[k] = Label(frame, names::CaptionOf(names::Indexed(names::ParmDiameter, i)),
                                   "Bolt Diameter" + Unit(UnitKind::Diameter, u));
        m_gradeLabel[k] = Label(frame, names::CaptionOf(names::Indexed(names::ParmGrade, i)),
                                "Bolt Grade" + Unit(UnitKind::Grade, u));
        m_boltsPerRowLabel[k] =
            Label(frame, names::CaptionOf(names::Indexed(names::ParmBoltsPerRow, i)), "Number of Bolts per Row");
        m_rowSpacingLabel[k] = Label(frame, names::CaptionOf(names::Indexed(names::ParmRowSpacing, i)),
                                     "Row Spacing" + Unit(UnitKind::Length, u));
        const std::array<std::pair<QWidget*, QWidget*>, 5> rows = {{{m_boltLengthLabel[k], m_boltLength[k]},
                                                                    {m_diameterLabel[k], m_diameter[k]},
                                                                    {m_gradeLabel[k], m_grade[k]},
                                                                    {m_boltsPerRowLabel[k], m_boltsPerRow[k]},
                                                                    {m_rowSpacingLabel[k], m_rowSpacing[k]}}};
        for (int row = 0; row < 5; ++row) {
            grid->addWidget(rows[static_cast<std::size_t>(row)].first, row, 0);
            grid->addWidget(rows[static_cast<std::size_t>(row)].second, row, 1);
        }
        grid->setColumnMinimumWidth(1, 110);
        if (i == 1) {
            // These two lie in front of the fields whose places they share.
            m_cableCapacity = Field(frame, names::ParmCableCapacity, 7);
            m_boltsInter = Field(frame, names::ParmBoltsInter, 3);
            grid->addWidget(m_cableCapacity, 1, 1);
            grid->addWidget(m_boltsInter, 3, 1);
            m_cableCapacity->raise();
            m_boltsInter->raise();
        }
        auto* pageLayout = new QVBoxLayout(page);
        pageLayout->addWidget(frame);
        pageLayout->addStretch(1);
        m_tabs->addTab(page, i == 0 ? "First Support System" : "Second Support System");
    }
}

void ParametersEditorWindow::BuildLayout(QWidget* geology, QWidget* mining, QWidget* design)
{
    auto* left = new QVBoxLayout;
    left->addWidget(geology);
    left->addWidget(mining);
    left->addWidget(design);
    left->addStretch(1);
    auto* top = new QHBoxLayout;
    top->addLayout(left);
    top->addWidget(m_tabs);
    auto* layout = new QVBoxLayout;
    layout->addLayout(top);
    layout->addLayout(EditorButtonRow(
        this, m_messenger, m_context.platform, [this] { Ok(); }, [this] { Results(); }));
    CentreContent(this, layout);
}

void ParametersEditorWindow::LoadFields()
{
    // Form_Load.
    m_session.EditorOpen = SwitchTrue;
    m_session.ReportKind = ReportType::Design;
    SetMsgCategory(m_messenger.MsgCategory, MsgForm::Parameters);
    const ParameterFields f = ParameterFieldsFromSupport(m_project.Support);
    m_CMRR->setText(Q(f.CMRR));
    m_depth->setText(Q(f.DepthofCover));
    m_unitWeight->setText(Q(f.UnitWeight));
    m_SF->setText(Q(f.StabilityFactor));
    m_span->setText(Q(f.ActualSpan));
    m_width->setText(Q(f.EntryWidth));
    for (std::size_t i = 0; i < 2; ++i) {
        m_boltLength[i]->setText(Q(f.ActualBoltLength[i]));
        m_diameter[i]->setText(Q(f.BoltDiameter[i]));
        m_boltsPerRow[i]->setText(Q(f.BoltsperRow[i]));
        m_rowSpacing[i]->setText(Q(f.RowSpacing[i]));
    }
    m_boltsInter->setText(Q(f.BoltsInter));
    m_cableCapacity->setText(Q(f.CableBoltCap));
    m_noSup->addItems({"1", "2"});
    m_noSup->setEditText(Q(f.NoSup));
    AppendHistory(m_messenger, "Editing Project Parameters");
    FillGradeLists();
    for (std::size_t i = 0; i < 2; ++i)
        m_grade[i]->setEditText(Q(f.BoltGrade[i]));
    m_system->addItems({"Roof Bolts", "Cable Bolts"});
    m_location->addItems({"Entire Entry", "Intersections Only"});
    m_system->setCurrentIndex(f.SystemType);
    m_location->setCurrentIndex(f.SystemLocation);

    connect(m_noSup, &QComboBox::editTextChanged, this, &ParametersEditorWindow::ApplyLayout);
    connect(m_noSup, &QComboBox::currentIndexChanged, this, &ParametersEditorWindow::ApplyLayout);
    connect(m_system, &QComboBox::currentIndexChanged, this, &ParametersEditorWindow::ApplyLayout);
    connect(m_location, &QComboBox::currentIndexChanged, this, &ParametersEditorWindow::ApplyLayout);
    ApplyLayout();
    m_tabs->setCurrentIndex(0);
    // With the texts in, the columns can be sized to them.
    AlignFieldColumns(m_leftGrids);
    AlignFieldColumns({m_systemGrids[0], m_systemGrids[1]});
    adjustSize();
    CenterOnScreen(this);
}

ParametersEditorWindow::~ParametersEditorWindow() = default;

void ParametersEditorWindow::FillGradeLists()
{
    const std::size_t first = m_project.units != UnitSystem::English ? 2 : 0;
    for (std::size_t i = 0; i < 2; ++i)
        for (const std::string& entry : BoltGradeEntries(m_environment, first + i))
            m_grade[i]->addItem(Q(entry));
}

ParameterFields ParametersEditorWindow::Fields() const
{
    ParameterFields f;
    f.CMRR = S(m_CMRR->text());
    f.DepthofCover = S(m_depth->text());
    f.UnitWeight = S(m_unitWeight->text());
    f.ActualSpan = S(m_span->text());
    f.EntryWidth = S(m_width->text());
    f.StabilityFactor = S(m_SF->text());
    f.NoSup = S(m_noSup->currentText());
    f.SystemType = m_system->currentIndex();
    f.SystemLocation = m_location->currentIndex();
    for (std::size_t i = 0; i < 2; ++i) {
        f.ActualBoltLength[i] = S(m_boltLength[i]->text());
        f.BoltDiameter[i] = S(m_diameter[i]->text());
        f.BoltGrade[i] = S(m_grade[i]->currentText());
        f.BoltsperRow[i] = S(m_boltsPerRow[i]->text());
        f.RowSpacing[i] = S(m_rowSpacing[i]->text());
    }
    f.BoltsInter = S(m_boltsInter->text());
    f.CableBoltCap = S(m_cableCapacity->text());
    return f;
}

void ParametersEditorWindow::ApplyLayout()
{
    const SupportLayout layout = ApplySupportLayout(S(m_noSup->currentText()), m_system->currentIndex(),
                                                    m_location->currentIndex(), m_project.units);
    m_tabs->setTabEnabled(1, layout.secondPageSelectable);
    if (!layout.secondPageSelectable)
        m_tabs->setCurrentIndex(0);
    for (QWidget* w : {static_cast<QWidget*>(m_boltLength[1]), static_cast<QWidget*>(m_diameter[1]),
                       static_cast<QWidget*>(m_grade[1]), static_cast<QWidget*>(m_boltsPerRow[1]),
                       static_cast<QWidget*>(m_rowSpacing[1])})
        w->setVisible(layout.secondPageSelectable);
    for (QWidget* w : {static_cast<QWidget*>(m_systemLabel), static_cast<QWidget*>(m_system),
                       static_cast<QWidget*>(m_locationLabel), static_cast<QWidget*>(m_location)})
        w->setVisible(layout.secondChoicesShown);
    if (layout.cableCapacityShown) {
        const bool cables = *layout.cableCapacityShown;
        m_gradeLabel[1]->setVisible(!cables);
        m_grade[1]->setVisible(!cables);
        m_diameter[1]->setVisible(!cables);
        m_cableCapacity->setVisible(cables);
        m_diameterLabel[1]->setText(Q(*layout.diameterLabel));
    }
    if (layout.boltsPerIntersectionShown) {
        const bool intersections = *layout.boltsPerIntersectionShown;
        m_boltsPerRowLabel[1]->setText(Q(*layout.boltsPerRowLabel));
        m_rowSpacingLabel[1]->setVisible(!intersections);
        m_rowSpacing[1]->setVisible(!intersections);
        m_boltsInter->setVisible(intersections);
        // The bolts-per-row field stays, behind; it takes no focus there.
        m_boltsPerRow[1]->setFocusPolicy(intersections ? Qt::NoFocus : Qt::StrongFocus);
    }
}

QWidget* ParametersEditorWindow::FieldWidget(ParmField field) const
{
    switch (field) {
    case ParmField::CMRR:
        return m_CMRR;
    case ParmField::DepthofCover:
        return m_depth;
    case ParmField::UnitWeight:
        return m_unitWeight;
    case ParmField::ActualSpan:
        return m_span;
    case ParmField::EntryWidth:
        return m_width;
    case ParmField::StabilityFactor:
        return m_SF;
    case ParmField::NoSup:
        return m_noSup;
    case ParmField::ActualBoltLength0:
        return m_boltLength[0];
    case ParmField::BoltDiameter0:
        return m_diameter[0];
    case ParmField::BoltGrade0:
        return m_grade[0];
    case ParmField::BoltsperRow0:
        return m_boltsPerRow[0];
    case ParmField::RowSpacing0:
        return m_rowSpacing[0];
    case ParmField::ActualBoltLength1:
        return m_boltLength[1];
    case ParmField::BoltDiameter1:
        return m_diameter[1];
    case ParmField::BoltGrade1:
        return m_grade[1];
    case ParmField::BoltsperRow1:
        return m_boltsPerRow[1];
    case ParmField::RowSpacing1:
        return m_rowSpacing[1];
    case ParmField::BoltsInter:
        return m_boltsInter;
    case ParmField::CableBoltCap:
        return m_cableCapacity;
    default:
        return nullptr;
    }
}

void ParametersEditorWindow::Focus(ParmField field)
{
    QWidget* widget = FieldWidget(field);
    if (widget == nullptr)
        return;
    if (m_tabs->widget(1)->isAncestorOf(widget))
        m_tabs->setCurrentIndex(1);
    else if (m_tabs->widget(0)->isAncestorOf(widget))
        m_tabs->setCurrentIndex(0);
    widget->setFocus();
}

std::array<SupportRecord, 2> ParametersEditorWindow::SaveWorkParms() const
{
    return SupportFromFields(Fields(), m_project.Support);
}

void ParametersEditorWindow::Ok()
{
    const ParmValidation result = ValidateParms(m_messenger, m_project.units, Fields());
    Focus(result.focus);
    if (!result.valid)
        return;
    m_ok = true;
    close();
}

void ParametersEditorWindow::Results()
{
    const ParmValidation result = ValidateParms(m_messenger, m_project.units, Fields());
    Focus(result.focus);
    if (!result.valid)
        return;
    ShowEditorResults(m_project, m_session, m_environment, m_context.host, this, ReportType::Design,
                      [this](std::array<SupportRecord, 2>& support, CostRecord&) { support = SaveWorkParms(); });
}

void ParametersEditorWindow::Unload()
{
    if (m_ok)
        m_project.Support = SupportFromFields(Fields(), m_project.Support);
    FinishProjectEditor(m_project, m_session, m_messenger, m_context.host, m_ok);
}

}  // namespace castovin
