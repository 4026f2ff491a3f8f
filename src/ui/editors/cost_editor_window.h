#pragma once
// frmVELBCost, "Cost": the cost inputs of bolting, with the calculated
// advance and clean production shown while the user types.

#include <array>
#include <string>

#include <QWidget>

#include "core/editing/cost_editor.h"
#include "ui/app/window_context.h"

class QCheckBox;
class QGridLayout;
class QGroupBox;
class QLineEdit;

namespace castovin {

struct Project;
struct ReportSession;
struct Environment;
struct Messenger;

class CostEditorWindow : public QWidget {
    Q_OBJECT

public:
    CostEditorWindow(Project& project, ReportSession& session, Environment& environment, Messenger& messenger,
                     const WindowContext& context);

    CostFields Fields() const;
    // The fields as a cost record over the project's.
    CostRecord SaveWorkParms() const;
    void RecalculateAdvance();
    void RecalculateProduction();
    void Ok();
    void Results();

private:
    void AddCalculatedRow(CostField field, QGridLayout* grid, QGroupBox* frame, int row, UnitSystem unit);
    // Form_Unload: commits when OK was pressed, logs, gives the main window back.
    void Unload();
    void LoadFields();
    QLineEdit* CalculatedField(QWidget* parent, const char* name);

    Project& m_project;
    ReportSession& m_session;
    Environment& m_environment;
    Messenger& m_messenger;
    WindowContext m_context;
    bool m_ok = false;
    std::array<QLineEdit*, CostFieldCount> m_fields{};
    QLineEdit* m_advanceCalc = nullptr;
    QLineEdit* m_productionCalc = nullptr;
    QCheckBox* m_useAdvance = nullptr;
    QCheckBox* m_useProduction = nullptr;
};

}  // namespace castovin
