#pragma once
// frmVELBOpts, "Options": the program switches, the default inputs of both
// unit systems and the bolt-grade lists.

#include <array>

#include <QDialog>

#include "core/editing/options_editor.h"
#include "ui/app/window_context.h"

class QCheckBox;
class QLineEdit;
class QListWidget;
class QRadioButton;
class QTabWidget;

namespace castovin {

struct Environment;
struct Messenger;

class OptionsEditorDialog : public QDialog {
    Q_OBJECT

public:
    OptionsEditorDialog(Environment& environment, Messenger& messenger, const WindowContext& context);

    OptionsFields Fields() const;
    void Add(int tab);
    void Delete(int tab);
    void SetDefault(int tab);
    void Ok();
    void MakeFileAssociation();

private:
    void LoadFields();
    // Form_Unload: takes and writes the options when OK was pressed.
    void Unload();
    QWidget* BuildSwitchesPage();
    QWidget* BuildDefaultsPage(int tab);
    QLineEdit* Field(QWidget* parent, const QString& name, bool numeric);
    // The list box Add and Delete work on: set 1 or set 2 of the tab.
    std::size_t TargetList(int tab) const;
    void ChooseSet(int tab, int set);
    std::vector<std::string> Entries(std::size_t list) const;
    void ShowEntries(std::size_t list, const std::vector<std::string>& entries);

    Environment& m_environment;
    Messenger& m_messenger;
    WindowContext m_context;
    bool m_ok = false;
    QTabWidget* m_tabs = nullptr;
    std::array<QCheckBox*, 4> m_switches{};
    std::array<std::array<QLineEdit*, 11>, 2> m_inputs{};  // in the order of DefaultInputFields
    std::array<QListWidget*, BoltGradeListCount> m_lists{};
    std::array<std::array<QRadioButton*, 2>, 2> m_sets{};
    std::array<QLineEdit*, 2> m_items{};
};

}  // namespace castovin
