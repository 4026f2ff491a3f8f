#include "ui/tools/unit_calculator_dialog.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "core/text/messages.h"
#include "core/text/number_format.h"
#include "core/text/number_reading.h"
#include "core/text/runtime_error.h"
#include "ui/app/names.h"
#include "ui/app/window_helpers.h"
#include "ui/editors/numeric_field.h"

namespace castovin {

namespace {

// Every control of the calculator leads to the calculator's page, the load
// gradient box to its own section.
constexpr int kHelpContext = 4500;

// What a tab shows; its objectNames are names::CalculatorTabs at the same
// position.
struct TabLayout {
    QuantityKind kind;
    const char* caption;
    const char* frame;
};

constexpr std::array<TabLayout, 5> kTabs = {{
    {QuantityKind::Length, "Length", "Length units"},
    {QuantityKind::Load, "Load", "Load units"},
    {QuantityKind::LoadGradient, "Load Grad", "Load gradient units"},
    {QuantityKind::Stress, "Stress", "Pressure/stress units"},
    {QuantityKind::StressGradient, "Stress Grad", "Pressure/stress gradient units"},
}};
static_assert(kTabs.size() == names::CalculatorTabs.size());

}  // namespace

UnitCalculatorDialog::UnitCalculatorDialog(Messenger& messenger) : m_messenger(messenger)
{
    setObjectName(names::UnitCalculator);
    setWindowTitle("Unit Conversions");
    setProperty("helpContext", kHelpContext);

    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(names::UnitTabs);
    m_tabs->setUsesScrollButtons(false);  // all five tabs in sight
    for (std::size_t i = 0; i < kTabs.size(); ++i)
        m_tabs->addTab(BuildTab(i), kTabs[i].caption);
    m_tab[2].input->setProperty("helpContext", 4300);

    QPushButton* ok = MakeButton(this, names::CalculatorOk, "OK");
    QPushButton* help = MakeHelpButton(this, names::CalculatorHelp, m_messenger);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(help);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_tabs);
    layout->addLayout(buttons);
    connect(ok, &QPushButton::clicked, this, &QDialog::close);
    connect(m_tabs, &QTabWidget::currentChanged, this, &UnitCalculatorDialog::TabSelected);

    // Form_Load: the calculator's message category, the history line, the
    // first unit of every group, and the results of the starting "0".
    SetMsgCategory(m_messenger.MsgCategory, MsgForm::UnitCalculator);
    AppendHistory(m_messenger, "Loading Unit Conversion Form");
    for (std::size_t i = 0; i < m_tab.size(); ++i) {
        m_tab[i].units[0]->setChecked(true);
        Recalculate(static_cast<int>(i));
    }
    adjustSize();
    CenterOnScreen(this);
}

QWidget* UnitCalculatorDialog::BuildTab(std::size_t index)
{
    const TabLayout& layout = kTabs[index];
    const names::CalculatorTabNames& named = names::CalculatorTabs[index];
    Tab& tab = m_tab[index];
    tab.kind = layout.kind;
    tab.page = new QWidget;
    tab.input = new QLineEdit("0", tab.page);
    tab.input->setObjectName(named.input);
    SelectAllOn(tab.input, SelectOn::Click);
    auto* frame = new QGroupBox(layout.frame, tab.page);
    frame->setObjectName(names::CalculatorFrame + QString::number(index + 1));
    auto* grid = new QGridLayout(frame);
    const std::vector<std::string>& captions = UnitCaptions(layout.kind);
    for (std::size_t u = 0; u < captions.size(); ++u) {
        auto* option = new QRadioButton(Q(captions[u]), frame);
        option->setObjectName(names::Indexed(named.options, static_cast<int>(u)));
        auto* result = new QLineEdit(frame);
        result->setObjectName(names::CalculatorResult + QString::number(named.results[u]));
        result->setReadOnly(true);
        grid->addWidget(option, static_cast<int>(u), 0);
        grid->addWidget(result, static_cast<int>(u), 1);
        tab.units.push_back(option);
        tab.results.push_back(result);
        connect(option, &QRadioButton::clicked, this, [this, index] { Recalculate(static_cast<int>(index)); });
    }
    connect(tab.input, &QLineEdit::textChanged, this, [this, index] { Recalculate(static_cast<int>(index)); });
    auto* column = new QVBoxLayout(tab.page);
    column->addWidget(tab.input);
    column->addWidget(frame);
    column->addStretch(1);
    return tab.page;
}

int UnitCalculatorDialog::SelectedUnit(const Tab& tab) const
{
    for (int u = static_cast<int>(tab.units.size()) - 1; u >= 0; --u)
        if (tab.units[static_cast<std::size_t>(u)]->isChecked())
            return u;
    return 0;
}

void UnitCalculatorDialog::Recalculate(int index)
{
    Tab& tab = m_tab[static_cast<std::size_t>(index)];
    const int from = SelectedUnit(tab);
    try {
        const double value = LeadingNumber(S(tab.input->text()));
        for (std::size_t to = 0; to < tab.results.size(); ++to)
            tab.results[to]->setText(Q(GeneralNumber(ConvertUnits(tab.kind, from, static_cast<int>(to), value))));
    } catch (const RuntimeError&) {
        // A number beyond the range of a double: nothing sensible to show,
        // and the calculator never shows a message.
        for (QLineEdit* result : tab.results)
            result->clear();
    }
}

void UnitCalculatorDialog::UpdateTabStops()
{
    const int front = m_tabs->currentIndex();
    for (std::size_t i = 0; i < m_tab.size(); ++i) {
        const Qt::FocusPolicy policy = static_cast<int>(i) == front ? Qt::StrongFocus : Qt::NoFocus;
        for (QWidget* control : m_tab[i].page->findChildren<QWidget*>())
            if (qobject_cast<QLineEdit*>(control) != nullptr || qobject_cast<QRadioButton*>(control) != nullptr)
                control->setFocusPolicy(policy);
    }
}

void UnitCalculatorDialog::TabSelected(int index)
{
    UpdateTabStops();
    if (index < 0 || index >= static_cast<int>(m_tab.size()))
        return;
    QLineEdit* input = m_tab[static_cast<std::size_t>(index)].input;
    input->setFocus();
    input->selectAll();
}

void UnitCalculatorDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (m_activated)
        return;
    // The calculator always opens on the length tab.
    m_activated = true;
    m_tabs->setCurrentIndex(0);
    TabSelected(0);
}

void OpenUnitCalculator(Messenger& messenger, QWidget* owner)
{
    ShowOwnedWindow(new UnitCalculatorDialog(messenger), owner, true);
}

}  // namespace castovin
