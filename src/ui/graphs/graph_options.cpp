#include "ui/graphs/graph_options.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QVBoxLayout>

#include "core/config/environment.h"
#include "core/config/settings_file.h"
#include "core/editing/graph_options.h"
#include "core/text/messages.h"
#include "ui/app/closing_rules.h"
#include "ui/app/names.h"
#include "ui/app/window_helpers.h"
#include "ui/editors/numeric_field.h"
#include "ui/graphs/graph_window.h"

namespace castovin {

namespace {

template <typename Widget> Widget* Named(Widget* widget, const QString& name)
{
    widget->setObjectName(name);
    return widget;
}

QLineEdit* TitleBox(QWidget* parent, const QString& name)
{
    auto* box = Named(new QLineEdit(parent), name);
    SelectAllOn(box, SelectOn::Focus);
    return box;
}

// A list the user may also type into; a typed text that names no entry is
// refused when the list loses the focus or Enter is pressed.
QComboBox* ListBox(QWidget* parent, const QString& name, const QStringList& entries)
{
    auto* list = Named(new QComboBox(parent), name);
    list->setEditable(true);
    list->setInsertPolicy(QComboBox::NoInsert);
    list->addItems(entries);
    return list;
}

}  // namespace

GraphOptionsDialog::GraphOptionsDialog(GraphWindow& graph, Environment& environment, Messenger& messenger,
                                       UnitSystem units)
    : m_graph(graph), m_environment(environment), m_messenger(messenger), m_units(units)
{
    setObjectName(names::GraphOptionsDialog);
    setProperty("helpContext", 3510);  // every control
    setWindowTitle("Graph Parameters and Options");
    BuildControls();

    // Form_Load: the lists at the record's positions, then the option (which
    // may put the defaults into the record), then the controls.
    const SettingsRecord& s = m_environment.Settings;
    m_grid->setCurrentIndex(s.GridStyle);
    m_style->setCurrentIndex(s.GraphStyle - 1);
    const int option = s.GraphSetParams == 1 ? 1 : 0;
    m_options[static_cast<std::size_t>(option)]->setChecked(true);
    ChooseOption(option);
    InitForm();
    m_accepted = false;
    adjustSize();
    CenterOnScreen(this);
    ClosingRules::Install(this, [this] { Unload(); });
}

void GraphOptionsDialog::BuildControls()
{
    auto* basic = Named(new QGroupBox("Basic Formatting Parameters", this), names::GraphOptBasicFrame);
    auto* form = new QFormLayout(basic);
    m_title = TitleBox(basic, names::GraphOptTitle);
    form->addRow("Graph Title", m_title);
    auto* titles = new QVBoxLayout;
    for (int i = 0; i < 4; ++i) {
        m_xTitles[static_cast<std::size_t>(i)] = TitleBox(basic, names::Indexed(names::GraphOptXTitle, i));
        titles->addWidget(m_xTitles[static_cast<std::size_t>(i)]);
    }
    form->addRow("X-axis Title", titles);
    m_yTitle = TitleBox(basic, names::GraphOptYTitle);
    form->addRow("Y-axis Title", m_yTitle);
    m_grid = ListBox(basic, names::GraphOptGrid, {"None", "Horizontal", "Vertical", "Horizontal & Vertical"});
    form->addRow("Grid Style", m_grid);
    m_style = ListBox(basic, names::GraphOptStyle, {"Lines Only", "Symbols Only", "Lines & Symbols"});
    form->addRow("Graph Style", m_style);
    m_legend = Named(new QCheckBox("Curve Legend", basic), names::GraphOptLegend);
    form->addRow(m_legend);
    m_sizeLabel = Named(new QLabel("Symbol Size", basic), names::GraphOptSizeLabel);
    m_size = Named(new QScrollBar(Qt::Horizontal, basic), names::GraphOptSize);
    m_size->setRange(MinSymbolSize, MaxSymbolSize);
    m_size->setPageStep(1);
    m_size->setMinimumWidth(120);
    // A scroll bar takes no focus by default; this one is a field of the
    // dialog, reached with Tab and moved with the arrow keys.
    m_size->setFocusPolicy(Qt::StrongFocus);
    // A scroll bar's keys are inverted (for scrolling a view); as a value
    // control Left and Down make the symbols smaller, Right and Up larger.
    m_size->setInvertedControls(false);
    m_sizeText = Named(new QLineEdit(basic), names::GraphOptSizeText);
    m_sizeText->setReadOnly(true);
    m_sizeText->setMaximumWidth(40);
    auto* sizeRow = new QHBoxLayout;
    sizeRow->addWidget(m_size, 1);
    sizeRow->addWidget(m_sizeText);
    form->addRow(m_sizeLabel, sizeRow);

    auto* options = Named(new QGroupBox("Options", this), names::GraphOptChoiceFrame);
    auto* optionRows = new QVBoxLayout(options);
    const char* optionTexts[2] = {"Set default format parameters", "Set format parameters to last used"};
    for (int i = 0; i < 2; ++i) {
        auto* button = Named(new QRadioButton(optionTexts[i], options), names::Indexed(names::GraphOptChoice, i));
        optionRows->addWidget(button);
        connect(button, &QRadioButton::clicked, this, [this, i] { ChooseOption(i); });
        m_options[static_cast<std::size_t>(i)] = button;
    }

    const DialogButtons buttons =
        MakeOkCancelHelpRow(this, names::GraphOptOk, names::GraphOptCancel, names::GraphOptHelp, m_messenger);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(basic);
    layout->addWidget(options);
    layout->addLayout(buttons.row);

    connect(buttons.ok, &QPushButton::clicked, this, &GraphOptionsDialog::Accept);
    connect(buttons.cancel, &QPushButton::clicked, this, &QDialog::close);
    connect(m_size, &QScrollBar::valueChanged, this,
            [this](int value) { m_sizeText->setText(QString::number(value)); });
    connect(m_style, &QComboBox::currentIndexChanged, this, &GraphOptionsDialog::UpdateSymbolSize);
    for (QComboBox* list : {m_grid, m_style})
        connect(list->lineEdit(), &QLineEdit::editingFinished, this, [this, list] { CheckListEntry(list); });
}

void GraphOptionsDialog::InitForm()
{
    const GraphOptionsFields f = GraphOptionsFromRecord(m_environment.Settings);
    m_title->setText(Q(f.title));
    for (std::size_t i = 0; i < 4; ++i)
        m_xTitles[i]->setText(Q(f.xTitles[i]));
    m_yTitle->setText(Q(f.yTitle));
    m_legend->setChecked(f.legend);
    m_grid->setCurrentIndex(f.gridPosition);
    m_style->setCurrentIndex(f.stylePosition);
    UpdateSymbolSize();
    m_size->setValue(f.symbolSize);
    m_sizeText->setText(QString::number(m_size->value()));
}

void GraphOptionsDialog::ChooseOption(int index)
{
    if (index == 0) {
        ChooseGraphOption(m_environment.Settings, 0, GraphFormat{}, m_units);
        InitForm();
    }
    const bool editable = GraphOptionsEditable(index);
    for (QWidget* control :
         std::initializer_list<QWidget*>{m_title, m_yTitle, m_grid, m_style, m_legend, m_sizeText, m_sizeLabel, m_size})
        control->setEnabled(editable);
    for (int i = 0; i < 4; ++i)
        m_xTitles[static_cast<std::size_t>(i)]->setEnabled(XTitleEditable(i, m_graph.CurrentGraph(), index));
}

void GraphOptionsDialog::UpdateSymbolSize()
{
    const bool shown = SymbolSizeShown(m_style->currentIndex());
    m_sizeLabel->setVisible(shown);
    m_size->setVisible(shown);
}

void GraphOptionsDialog::CheckListEntry(QComboBox* list)
{
    const int position = list->findText(list->currentText(), Qt::MatchExactly);
    if (position >= 0) {
        list->setCurrentIndex(position);
        return;
    }
    ShowMessage(m_messenger, "Please select a valid entry", MsgButtons::OK);
    list->setCurrentIndex(0);
    list->setEditText(list->itemText(0));
}

GraphOptionsFields GraphOptionsDialog::Fields() const
{
    GraphOptionsFields f;
    f.title = S(m_title->text());
    for (std::size_t i = 0; i < 4; ++i)
        f.xTitles[i] = S(m_xTitles[i]->text());
    f.yTitle = S(m_yTitle->text());
    f.gridPosition = m_grid->currentIndex();
    f.stylePosition = m_style->currentIndex();
    f.legend = m_legend->isChecked();
    f.symbolSize = m_size->value();
    f.option = m_options[1]->isChecked() ? 1 : 0;
    return f;
}

void GraphOptionsDialog::Accept()
{
    m_accepted = true;
    close();
}

void GraphOptionsDialog::Unload()
{
    if (m_accepted) {
        CommitGraphOptions(m_environment.Settings, Fields());
        SaveSettings(m_environment, m_messenger, SettingsGroup::Graph);
    }
    m_graph.ApplyFormatToChart();
}

}  // namespace castovin
