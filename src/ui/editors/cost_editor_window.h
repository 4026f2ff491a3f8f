#pragma once
// frmVELBCost, "Cost": the cost inputs of bolting, with the calculated
// advance and clean production shown while the user types.

#include <array>

#include <QWidget>

#include "editing/cost_editor.h"

class QCheckBox;
class QLineEdit;

namespace castovin {

class MainWindow;

class CostEditorWindow : public QWidget {
    Q_OBJECT

public:
    explicit CostEditorWindow(MainWindow& main);

    CostFields Fields() const;
    void SaveWorkParms();
    void RecalculateAdvance();
    void RecalculateProduction();
    void Ok();
    void Results();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    MainWindow& m_main;
    bool m_ok = false;
    bool m_unloaded = false;
    std::array<QLineEdit*, CostFieldCount> m_fields{};
    QLineEdit* m_advanceCalc = nullptr;
    QLineEdit* m_productionCalc = nullptr;
    QCheckBox* m_useAdvance = nullptr;
    QCheckBox* m_useProduction = nullptr;
};

}  // namespace castovin
