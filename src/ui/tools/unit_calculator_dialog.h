#pragma once
// frmUnits, "Unit Conversions": a number typed in one unit shown in every
// unit of its kind at once, one tab per kind of quantity. It touches no
// project data and no settings.

#include <array>
#include <vector>

#include <QDialog>

#include "core/tools/unit_calculator.h"

class QLineEdit;
class QRadioButton;
class QTabWidget;

namespace castovin {

struct Messenger;

class UnitCalculatorDialog : public QDialog {
    Q_OBJECT

public:
    explicit UnitCalculatorDialog(Messenger& messenger);

    // Fills the result boxes of one tab from its input box and unit.
    void Recalculate(int tab);
    // Only the controls of the tab in front are keyboard tab stops.
    void UpdateTabStops();

protected:
    void showEvent(QShowEvent* event) override;

private:
    struct Tab {
        QuantityKind kind;
        QWidget* page = nullptr;
        QLineEdit* input = nullptr;
        std::vector<QRadioButton*> units;
        std::vector<QLineEdit*> results;
    };

    QWidget* BuildTab(std::size_t index);
    int SelectedUnit(const Tab& tab) const;
    void TabSelected(int index);

    Messenger& m_messenger;
    QTabWidget* m_tabs = nullptr;
    std::array<Tab, 5> m_tab{};
    bool m_activated = false;
};

// Utilities > "Unit Conversion...": opens the calculator over `owner`.
void OpenUnitCalculator(Messenger& messenger, QWidget* owner);

}  // namespace castovin
