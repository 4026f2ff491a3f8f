// The main window's menus and toolbar: one table per menu, each entry with
// its caption, help context, shortcut and the command it runs. The
// objectNames ("mnuFileItem_3", "Toolbar1_2") are the positions in these
// tables, and the mnu..._Click entry points map a position back onto Run.

#include <optional>

#include <span>

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

#include "core/files/lifecycle.h"
#include "core/program/program_state.h"
#include "ui/app/icons.h"
#include "ui/app/names.h"
#include "ui/app/window_helpers.h"
#include "ui/main/main_window.h"

namespace castovin {

namespace {

struct MenuEntry {
    const char* text;  // nullptr for a separator
    int help;
    const char* key;
    std::optional<Command> command;
};

using C = Command;

constexpr MenuEntry kSeparator{nullptr, 0, nullptr, std::nullopt};

const std::array<MenuEntry, 12> kFileMenu = {{{"&New", 1100, "Ctrl+N", C::New},
                                              {"&Open...", 1200, "Ctrl+O", C::Open},
                                              {"&Save ", 1300, "Ctrl+S", C::Save},
                                              {"Save &As...", 1400, nullptr, C::SaveAs},
                                              kSeparator,
                                              {"Printer Set&up...", 1500, nullptr, C::PrinterSetup},
                                              {"&Print", 1550, "Ctrl+P", C::Print},
                                              {"Print Pre&view...", 1600, nullptr, C::PrintPreview},
                                              kSeparator,
                                              {"&View Source Files...", 1700, "Ctrl+B", C::ViewSourceFiles},
                                              kSeparator,
                                              {"E&xit", 1800, nullptr, C::Exit}}};

const std::array<MenuEntry, 3> kEditMenu = {{{"Project &Description...", 2000, nullptr, C::EditDescription},
                                             {"Project &Parameters...", 2000, "Ctrl+E", C::EditParameters},
                                             {"&Cost...", 2000, "Ctrl+T", C::EditCost}}};

const std::array<MenuEntry, 2> kCalcMenu = {
    {{"&VELB Output...", 3100, nullptr, C::DesignOutput}, {"&Cost Output...", 3200, nullptr, C::CostOutput}}};

const std::array<MenuEntry, 4> kGraphMenu = {{{"Sug VELB vs CMRR", 3500, nullptr, C::GraphCMRR},
                                              {"Sug VELB vs Depth", 3500, nullptr, C::GraphDepth},
                                              {"Sug VELB vs Stability Factor", 3500, nullptr, C::GraphStabilityFactor},
                                              {"Sug VELB vs Intersection Span", 3500, nullptr, C::GraphSpan}}};

// "Design Search..." and "Probabilistic Analysis..." came after the history
// items; they take the last positions so that the items before them keep
// their names, and BuildMenus shows them after "File Conversion...".
constexpr int kDesignSearchItem = 8;
constexpr int kProbabilisticItem = 9;
constexpr int kDesignSearchShownBefore = 4;  // the separator after "File Conversion..."

const std::array<MenuEntry, 10> kUtilMenu = {{{"&Settings...", 4100, nullptr, C::Settings},
                                              {"&Options...", 4200, nullptr, C::Options},
                                              {"&Unit Conversion...", 4300, nullptr, C::UnitConversion},
                                              {"&File Conversion...", 4400, nullptr, C::FileConversion},
                                              kSeparator,
                                              {"&Clear History Window", 4000, nullptr, C::ClearHistory},
                                              {"Close History &Window", 4000, nullptr, C::ToggleHistory},
                                              {"Co&py History &Window", 4000, nullptr, C::CopyHistory},
                                              {"&Design Search...", 4600, nullptr, C::DesignSearch},
                                              {"&Probabilistic Analysis...", 4700, nullptr, C::ProbabilisticAnalysis}}};

const std::array<MenuEntry, 11> kHelpMenu = {{{"Help &Contents...", 5000, "F1", C::HelpContents},
                                              {"Help &Index...", 5000, nullptr, C::HelpIndex},
                                              {"Help in &PDF format...", 0, nullptr, C::HelpPdf},
                                              kSeparator,
                                              {"&Resource Files...", 0, nullptr, C::ResourceFiles},
                                              kSeparator,
                                              {"&Disclaimer...", 5000, nullptr, C::Disclaimer},
                                              kSeparator,
                                              {"Program Updates...", 0, nullptr, C::ProgramUpdates},
                                              kSeparator,
                                              {"&About the Program...", 5000, nullptr, C::About}}};

struct ToolButton {
    ToolIcon icon;
    const char* tip;
    Command command;
};

const std::array<ToolButton, 6> kToolbar = {{{ToolIcon::Open, "Open Data File", C::Open},
                                             {ToolIcon::Save, "Save Data File", C::Save},
                                             {ToolIcon::Print, "Print Data File", C::PrintDirect},
                                             {ToolIcon::Description, "Edit Description", C::EditDescription},
                                             {ToolIcon::BoltSystem, "Edit Roof Bolt System Data", C::EditParameters},
                                             {ToolIcon::Cost, "Edit Cost Data", C::EditCost}}};

// A menu entry as an action named `name`; a separator is a plain one.
template <std::size_t N>
QAction* AddEntry(QMenu* menu, const std::array<MenuEntry, N>& table, int index, const QString& name)
{
    const MenuEntry& entry = table[static_cast<std::size_t>(index)];
    QAction* action = entry.text == nullptr ? menu->addSeparator() : menu->addAction(entry.text);
    action->setObjectName(name);
    if (entry.help != 0)
        action->setProperty("helpContext", entry.help);
    if (entry.key != nullptr)
        action->setShortcut(QKeySequence(entry.key));
    return action;
}

// Adds the table's items; their actions go into `actions` when the window
// needs them later.
template <std::size_t N>
void AddMenu(QMenu* menu, const std::array<MenuEntry, N>& table, const char* stem, MainWindow* window,
             std::span<QAction*> actions = {})
{
    for (int i = 0; i < static_cast<int>(N); ++i) {
        QAction* action = AddEntry(menu, table, i, names::Indexed(stem, i));
        if (static_cast<std::size_t>(i) < actions.size())
            actions[static_cast<std::size_t>(i)] = action;
        if (const auto command = table[static_cast<std::size_t>(i)].command)
            QObject::connect(action, &QAction::triggered, window, [window, c = *command] { window->Run(c); });
    }
}

template <std::size_t N> void RunEntry(MainWindow& window, const std::array<MenuEntry, N>& table, int index)
{
    if (index < 0 || index >= static_cast<int>(N))
        return;
    if (const auto command = table[static_cast<std::size_t>(index)].command)
        window.Run(*command);
}

}  // namespace

void MainWindow::BuildMenus()
{
    m_fileMenu = menuBar()->addMenu("&File");
    m_fileMenu->setObjectName(names::FileMenu);
    AddMenu(m_fileMenu, kFileMenu, names::FileItem, this);
    m_fileArray[0] = m_fileMenu->addSeparator();
    m_fileArray[0]->setObjectName(names::Indexed(names::FileArray, 0));
    m_fileArray[0]->setVisible(false);

    QMenu* edit = menuBar()->addMenu("&Input");
    edit->setObjectName(names::EditMenu);
    AddMenu(edit, kEditMenu, names::EditItem, this);

    QMenu* calc = menuBar()->addMenu("&Output");
    calc->setObjectName(names::CalcMenu);
    AddMenu(calc, kCalcMenu, names::CalcItem, this);
    calc->addSeparator()->setObjectName(names::Indexed(names::CalcItem, 2));
    QMenu* graphs = calc->addMenu("Graph ");
    graphs->setObjectName(names::Indexed(names::CalcItem, 3));
    graphs->menuAction()->setProperty("helpContext", 3500);
    AddMenu(graphs, kGraphMenu, names::GraphItem, this);

    QMenu* util = menuBar()->addMenu("&Utilities");
    util->setObjectName(names::UtilMenu);
    AddMenu(util, kUtilMenu, names::UtilItem, this, m_utilItems);
    QAction* search = m_utilItems[kDesignSearchItem];
    QAction* probabilistic = m_utilItems[kProbabilisticItem];
    util->removeAction(search);
    util->removeAction(probabilistic);
    util->insertAction(util->actions().at(kDesignSearchShownBefore), search);
    util->insertAction(util->actions().at(kDesignSearchShownBefore + 1), probabilistic);

    QMenu* help = menuBar()->addMenu("&Help");
    help->setObjectName(names::HelpMenu);
    AddMenu(help, kHelpMenu, names::HelpItem, this);
}

void MainWindow::BuildToolbar()
{
    m_toolbar = addToolBar("Toolbar");
    m_toolbar->setObjectName(names::Toolbar);
    m_toolbar->setMovable(false);
    m_toolbar->setIconSize(QSize(24, 24));
    for (int i = 1; i <= static_cast<int>(kToolbar.size()); ++i) {
        const ToolButton& button = kToolbar[static_cast<std::size_t>(i - 1)];
        QAction* action = m_toolbar->addAction(ToolbarIcon(button.icon), button.tip);
        action->setObjectName(names::Indexed(names::Toolbar, i));
        action->setToolTip(button.tip);
        connect(action, &QAction::triggered, this, [this, c = button.command] { Run(c); });
    }
}

void MainWindow::RebuildRecentFileMenu()
{
    const bool any = BuildRecentFileMenu(m_state.environment);
    for (int n = 1; n <= 4; ++n) {
        QAction*& action = m_fileArray[static_cast<std::size_t>(n)];
        const std::string& caption = m_state.environment.RecentFileCaptions[static_cast<std::size_t>(n)];
        if (caption.empty()) {
            if (action != nullptr)
                action->setVisible(false);
            continue;
        }
        if (action == nullptr) {
            action = m_fileMenu->addAction(QString());
            action->setObjectName(names::Indexed(names::FileArray, n));
            connect(action, &QAction::triggered, this, [this, n] { mnuFileArray_Click(n); });
        }
        action->setText(Q(caption));
        action->setVisible(true);
    }
    m_fileArray[0]->setVisible(any);
}

void MainWindow::mnuFileItem_Click(int index)
{
    RunEntry(*this, kFileMenu, index);
}

void MainWindow::mnuEditItem_Click(int index)
{
    RunEntry(*this, kEditMenu, index);
}

void MainWindow::mnuCalcItem_Click(int index)
{
    RunEntry(*this, kCalcMenu, index);
}

void MainWindow::mnuUtilItem_Click(int index)
{
    RunEntry(*this, kUtilMenu, index);
}

void MainWindow::Toolbar1_ButtonClick(int button)
{
    if (button >= 1 && button <= static_cast<int>(kToolbar.size()))
        Run(kToolbar[static_cast<std::size_t>(button - 1)].command);
}

}  // namespace castovin
